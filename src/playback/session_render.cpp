// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/session_render.h"

#include "audio/engine.h"
#include "base/file_replace.h"
#include "base/numeric.h"
#include "base/paths.h"
#include "playback/session_player.h"
#include "playback/tone_waves.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <optional>

namespace vs::playback {
namespace {

constexpr int kTickMs = 500;
constexpr int kFadeTickMs = 1000;
// The wave files' own peaks on the engine's -1..1 scale.
constexpr double kToneFilePeak = 32760.0 / 32768.0;
constexpr double kNoiseFilePeak = 15240.0 / 32768.0;

std::int64_t framesAt(std::int64_t ms) {
    return ms * audio::kMixRate / 1000;
}

// The engine volume the player sets for a bar value.
double engineVolume(int bar) {
    return std::clamp(toInt32(bar / 10.0), 0, 100) / 100.0;
}

class SimulatedClock : public Clock {
public:
    std::int64_t nowMs() override { return now; }
    std::int64_t now = 0;
};

// The window's controls as they stood when the export began; the timers the
// player switches are the render loop's.
class FixedView : public PlayerView {
public:
    explicit FixedView(const ExportOptions& o) : o_(o) {}
    bool chkBinaural() const override { return o_.binaural; }
    bool chkMascara() const override { return o_.mascara; }
    bool chkMusica() const override { return o_.musica; }
    int scrollVolumenBinaural() const override { return o_.volumenBinaural; }
    int scrollVolumenMascara() const override { return o_.volumenMascara; }
    int ultimosSegundos() const override { return o_.ultimosSegundos; }
    void setCursor(double, bool) override {}
    void setInfoTime(const std::string&) override {}
    void setInfoHz(const std::string&) override {}
    void setInfoFR(const std::string&) override {}
    void setLocked(bool) override {}
    void setSessionTimer(bool) override {}
    void setFadeTimer(bool on) override {
        if (on && !fadeOn) fadeSwitchedOn = true;
        fadeOn = on;
    }
    bool fadeOn = false;
    bool fadeSwitchedOn = false;

private:
    ExportOptions o_;
};

// A file has no LEDs.
class NoGlasses : public GlassesLink {
public:
    bool GafasMentales() const override { return false; }
    void setClockEnabled(bool) override {}
    void setFrecuenciaLed(float) override {}
    void setSecuenciaActual(int) override {}
    void darken() override {}
};

class NoMusic : public MusicLink {
public:
    void PlayMusica() override {}
    void PararMusica() override {}
    void SiguienteCancion() override {}
    bool songEnded() override { return false; }
};

// One looping playback of a sample in the private engine, as the sample
// players do it on the program's engine: a rate below the engine's lowest
// stands for an inaudible base, pan in the centre.
class EngineToneChannel : public ToneChannel {
public:
    EngineToneChannel(audio::Engine& engine, audio::SampleId sample)
        : engine_(engine), sample_(sample) {}
    bool Playing() override { return engine_.voiceState(voice_) == audio::PlayState::Playing; }
    void Play(std::int32_t volume, std::int32_t rate, bool loop) override {
        audio::PlayParams p;
        p.rate = rate < 0 ? audio::Rate::own() : audio::Rate::hz(rate);
        p.volume = std::clamp(volume, 0, 100);
        p.loop = loop;
        voice_ = engine_.play(sample_, p);
    }
    void setFrequencyEx(std::int32_t rate) override {
        engine_.setVoice(voice_, {audio::Rate::hz(rate), std::nullopt, std::nullopt});
    }
    void setVolumeEx(std::int32_t volume) override {
        engine_.setVoice(voice_, {std::nullopt, std::clamp(volume, 0, 100), std::nullopt});
    }
    void StopPlay() override { engine_.stopSample(sample_); }

private:
    audio::Engine& engine_;
    audio::SampleId sample_;
    audio::VoiceId voice_;
};

class EngineToneBank : public ToneBank {
public:
    EngineToneBank(audio::Engine& engine, std::array<audio::SampleId, 3> samples)
        : l_(engine, samples[0]), r_(engine, samples[1]), m_(engine, samples[2]) {}
    // The samples were loaded once, before the player started.
    void CargarOndas() override {}
    ToneChannel* ondaL() override { return &l_; }
    ToneChannel* ondaR() override { return &r_; }
    ToneChannel* ondaM() override { return &m_; }

private:
    EngineToneChannel l_, r_, m_;
};

// The fade on the private engine's master gain, on the mixer's 0..65535 scale.
class EngineMaster : public MasterVolume {
public:
    explicit EngineMaster(audio::Engine& engine) : engine_(engine) {}
    std::int32_t VolumeLevel() override {
        return toInt32(double(engine_.masterGain()) * kLevelMax);
    }
    void setVolumeLevel(std::int32_t level) override {
        engine_.setMasterGain(float(std::clamp(level, 0, kLevelMax)) / float(kLevelMax));
    }
    static constexpr std::int32_t kLevelMax = 65535;

private:
    audio::Engine& engine_;
};

// The three wave files, written with the fixed noise into a folder of their
// own and loaded; the folder goes as soon as the samples are in memory.
std::optional<std::array<audio::SampleId, 3>> loadWaves(audio::Engine& engine) {
    std::error_code ec;
    const auto base = std::filesystem::temp_directory_path(ec);
    if (ec) return std::nullopt;
    std::string folder = (base / "velorin-render-XXXXXX").string();
    if (!mkdtemp(folder.data())) return std::nullopt;
    std::array<audio::SampleId, 3> ids;
    const char* names[] = {"OndaL", "OndaR", "OndaM"};
    bool ok = true;
    for (int i = 0; i < 3 && ok; ++i) {
        const std::string path = joinPath(folder, std::string(names[i]) + ".wav");
        ok = replaceFileContents(path, waveFileBytes(names[i], 1000, kRenderNoiseSeed),
                                 Durability::Scratch);
        if (ok) {
            audio::SampleOptions o;
            o.takeOverOldest = true;
            ids[std::size_t(i)] = engine.loadSample(path, o, 1);
            ok = bool(ids[std::size_t(i)]);
        }
    }
    std::filesystem::remove_all(folder, ec);
    if (!ok) return std::nullopt;
    return ids;
}

} // namespace

ExportOptions optionsFrom(const PlayerView& view) {
    ExportOptions o;
    o.binaural = view.chkBinaural();
    o.mascara = view.chkMascara();
    o.musica = view.chkMusica();
    o.volumenBinaural = view.scrollVolumenBinaural();
    o.volumenMascara = view.scrollVolumenMascara();
    o.ultimosSegundos = view.ultimosSegundos();
    return o;
}

double maskPeakFor(const ExportOptions& o) {
    return o.mascara ? engineVolume(o.volumenMascara) * kNoiseFilePeak : 0.0;
}

double tonePeakFor(const ExportOptions& o) {
    return o.binaural ? engineVolume(o.volumenBinaural) * kToneFilePeak : 0.0;
}

SessionRenderer::SessionRenderer(const session::SessionModel& model, const ExportOptions& options,
                                 MusicLinkFactory music, GlassesLinkFactory lights)
    : model_(model), options_(options), music_(std::move(music)), lights_(std::move(lights)) {}

SessionRenderer::~SessionRenderer() = default;

std::int64_t SessionRenderer::totalFrames() const {
    return std::int64_t(std::max(model_.lengthSeconds(), 0)) * audio::kMixRate;
}

RenderResult SessionRenderer::run(FrameSink& sink, const std::atomic<bool>* cancel,
                                  const std::function<void(std::int64_t)>& progress) {
    RenderResult result;
    if (!options_.binaural && !options_.mascara && !options_.musica) {
        result.error = "No hay ninguna fuente de sonido marcada";
        return result;
    }
    if (totalFrames() <= 0) {
        result.error = "La sesión no tiene duración";
        return result;
    }

    audio::Engine engine;
    if (!engine.openOffline()) {
        result.error = "No se puede iniciar el motor de sonido";
        return result;
    }
    const auto waves = loadWaves(engine);
    if (!waves) {
        result.error = "No se pueden preparar las ondas";
        return result;
    }
    EngineToneBank bank(engine, *waves);
    EngineMaster master(engine);
    master.setVolumeLevel(EngineMaster::kLevelMax);
    FixedView view(options_);
    NoGlasses noGlasses;
    std::unique_ptr<RenderGlassesLink> lights;
    if (options_.luz && lights_) lights = lights_(engine);
    if (lights) engine.setLightSignal(true);
    GlassesLink& glasses = lights ? static_cast<GlassesLink&>(*lights) : noGlasses;
    std::unique_ptr<MusicLink> music;
    if (music_) music = music_(engine, result.notes);
    if (!music) music = std::make_unique<NoMusic>();
    SimulatedClock clock;
    SessionPlayer player(model_, view, bank, master, glasses, *music, clock);
    player.setNivelMaestroGuardado(EngineMaster::kLevelMax);

    player.Play();
    if (!player.playing()) {
        result.error = "La sesión no se puede reproducir";
        return result;
    }

    // The window's two timers, replayed: the session timer every 500 ms from
    // Play, the fade timer every 1000 ms from the tick that switched it on;
    // and the LED step clock, whose steps change the light signal from the
    // very frame of their time.
    std::array<float, 2 * kBlockFrames> block{};
    std::int64_t nextTick = kTickMs;
    std::int64_t nextFade = -1; // not running
    const std::int64_t total = totalFrames();
    const std::int64_t lastMs = std::int64_t(model_.lengthSeconds()) * 1000 + kTickMs;
    while (player.playing() && clock.now <= lastMs) {
        std::int64_t until = nextFade >= 0 ? std::min(nextTick, nextFade) : nextTick;
        const std::int64_t nextStep = lights ? lights->nextStepMs() : -1;
        if (nextStep >= 0) until = std::min(until, std::max(nextStep, clock.now));
        std::int64_t pending = std::min(framesAt(until), total) - result.frames;
        while (pending > 0) {
            if (cancel && cancel->load(std::memory_order_relaxed)) {
                player.Stop();
                result.status = RenderStatus::Cancelled;
                return result;
            }
            const int n = int(std::min<std::int64_t>(pending, kBlockFrames));
            engine.renderOffline(block.data(), n);
            if (!sink.write(block.data(), n)) {
                player.Stop();
                return result;
            }
            pending -= n;
            result.frames += n;
            if (progress) progress(result.frames);
        }
        clock.now = until;
        if (lights) lights->stepTo(until);
        if (nextFade == until) {
            player.FadeTick();
            nextFade += kFadeTickMs;
        }
        if (nextTick == until) {
            player.Tick();
            nextTick += kTickMs;
        }
        if (view.fadeSwitchedOn) {
            view.fadeSwitchedOn = false;
            nextFade = until + kFadeTickMs;
        }
        if (!view.fadeOn) nextFade = -1;
    }
    player.Stop();
    // The player stops at the session's end; should it ever stop earlier, the
    // file still has the session's length, in silence.
    while (result.frames < total) {
        const int n = int(std::min<std::int64_t>(total - result.frames, kBlockFrames));
        block.fill(0.0f);
        if (!sink.write(block.data(), n)) return result;
        result.frames += n;
        if (progress) progress(result.frames);
    }
    result.status = RenderStatus::Complete;
    return result;
}

} // namespace vs::playback
