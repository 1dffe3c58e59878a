// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/session_render.h"

#include "audio/engine.h"
#include "audio/volume.h"
#include "base/interface_language.h"
#include "base/numeric.h"
#include "playback/player_sound.h"
#include "playback/session_player.h"
#include "playback/tone_waves.h"
#include "session/drawing_check.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <optional>

namespace vs::playback {
namespace {

// The wave files' own peaks on the engine's -1..1 scale.
constexpr double kToneFilePeak = 32760.0 / 32768.0;
constexpr double kNoiseFilePeak = 15240.0 / 32768.0;

// A colour's file reaches higher than the original's: its own peak or largest
// step, whichever is larger, made once (the files are the same every time).
double colourPeak(NoiseColour colour) {
    const NoiseWave w = colouredNoise(colour);
    return std::max(w.peak, w.largestStep) / 32768.0;
}

double noiseFilePeak(NoiseColour colour) {
    if (colour == NoiseColour::Original) return kNoiseFilePeak;
    static const double pink = colourPeak(NoiseColour::Pink);
    static const double brown = colourPeak(NoiseColour::Brown);
    return colour == NoiseColour::Pink ? pink : brown;
}

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
    SoundChoice sound() const override { return o_.sound; }
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
class NoGlasses : public links::GlassesLink {
public:
    bool GafasMentales() const override { return false; }
    void setClockEnabled(bool) override {}
    void setFrecuenciaLed(float) override {}
    void setSecuenciaActual(int) override {}
    void darken() override {}
};

class NoMusic : public links::MusicLink {
public:
    void PlayMusica() override {}
    void PararMusica() override {}
    void SiguienteCancion() override {}
    bool songEnded() override { return false; }
};

// The export's own copies of the three wave files and the mask's colour, in
// a folder of their own that goes with this object.
class ExportWaves {
public:
    explicit ExportWaves(NoiseColour colour) {
        std::error_code ec;
        const auto base = std::filesystem::temp_directory_path(ec);
        if (ec) return;
        std::string folder = (base / "velorin-render-XXXXXX").string();
        if (!mkdtemp(folder.data())) return;
        folder_ = folder;
        written_ = writeWaves(folder_, kRenderNoiseSeed) &&
                   (colour == NoiseColour::Original || writeNoiseWave(folder_, colour));
    }
    ~ExportWaves() { remove(); }
    // The folder goes as soon as the samples are in memory.
    void remove() {
        std::error_code ec;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
        folder_.clear();
    }
    ExportWaves(const ExportWaves&) = delete;
    ExportWaves& operator=(const ExportWaves&) = delete;
    bool written() const { return written_; }
    WavePaths paths() const { return wavePathsIn(folder_); }

private:
    std::string folder_;
    bool written_ = false;
};

} // namespace

void NoteMessages::add(const std::string& text) {
    if (std::find(notes_.begin(), notes_.end(), text) == notes_.end()) notes_.push_back(text);
}

ExportOptions optionsFrom(const PlayerView& view) {
    ExportOptions o;
    o.binaural = view.chkBinaural();
    o.mascara = view.chkMascara();
    o.musica = view.chkMusica();
    o.volumenBinaural = view.scrollVolumenBinaural();
    o.volumenMascara = view.scrollVolumenMascara();
    o.ultimosSegundos = view.ultimosSegundos();
    o.sound = view.sound();
    return o;
}

double maskPeakFor(const ExportOptions& o) {
    if (!o.mascara) return 0.0;
    return engineVolume(o.volumenMascara) * noiseFilePeak(o.sound.noise);
}

double tonePeakFor(const ExportOptions& o) {
    return o.binaural ? engineVolume(o.volumenBinaural) * kToneFilePeak : 0.0;
}

SessionRenderer::SessionRenderer(const session::SessionModel& model, const ExportOptions& options,
                                 links::MusicLinkFactory music, links::GlassesLinkFactory lights)
    : model_(model), options_(options), music_(std::move(music)), lights_(std::move(lights)) {}

SessionRenderer::~SessionRenderer() = default;

std::int64_t SessionRenderer::totalFrames() const {
    return std::int64_t(std::max(model_.lengthSeconds(), 0)) * audio::kMixRate;
}

RenderResult SessionRenderer::run(FrameSink& sink, const std::atomic<bool>* cancel,
                                  const std::function<void(std::int64_t)>& progress) {
    RenderResult result;
    if (!options_.binaural && !options_.mascara && !options_.musica) {
        result.error = translate("SessionRenderer", "No hay ninguna fuente de sonido marcada");
        return result;
    }
    if (totalFrames() <= 0) {
        // The minutes bar wraps 60 round to 0, and so does a file's 60.
        result.error =
            translate("SessionRenderer",
                      "La sesión no tiene duración: dura 00:00 (60 minutos se leen como 0, "
                      "como en la barra de minutos)");
        return result;
    }
    // What sounds otherwise than the window shows is said first.
    result.notes = session::drawingNotes(model_);

    audio::Engine engine;
    if (!engine.openOffline()) {
        result.error = translate("SessionRenderer", "No se puede iniciar el motor de sonido");
        return result;
    }
    ExportWaves waves(options_.sound.noise);
    if (!waves.written()) {
        result.error = translate("SessionRenderer", "No se pueden preparar las ondas");
        return result;
    }
    engine.setSwapChannels(options_.sound.swapChannels);
    NoteMessages notes(result.notes);
    SampleToneBank bank(engine, notes);
    bank.create();
    bank.setWaves(waves.paths());
    // The fade on the engine's own master gain, on the mixer's 0..65535 scale.
    audio::clsVolume volume(nullptr, audio::makeEngineMixer(engine));
    MixerMaster master(volume);
    master.setVolumeLevel(audio::kMixerMax);
    FixedView view(options_);
    NoGlasses noGlasses;
    std::unique_ptr<links::RenderGlasses> lights;
    if (options_.luz && lights_) lights = lights_(engine);
    if (lights) engine.setLightSignal(true);
    links::GlassesLink& glasses = lights ? lights->link() : noGlasses;
    std::unique_ptr<links::MusicLink> music;
    if (music_) music = music_(engine, result.notes);
    if (!music) music = std::make_unique<NoMusic>();
    SimulatedClock clock;
    SessionPlayer player(model_, view, bank, master, glasses, *music, clock);
    player.setNivelMaestroGuardado(audio::kMixerMax);

    player.Play();
    waves.remove();
    if (!bank.loaded()) {
        player.Stop();
        result.error = translate("SessionRenderer", "No se pueden preparar las ondas");
        return result;
    }
    if (!player.playing()) {
        result.error = translate("SessionRenderer", "La sesión no se puede reproducir");
        return result;
    }

    // The window's two timers, replayed: the session timer every 500 ms from
    // Play, the fade timer every 1000 ms from the tick that switched it on;
    // and the LED step clock, whose steps change the light signal from the
    // very frame of their time.
    std::array<float, 2 * kBlockFrames> block{};
    std::int64_t nextTick = SessionPlayer::kTickMs;
    std::int64_t nextFade = -1; // not running
    const std::int64_t total = totalFrames();
    const std::int64_t lastMs =
        std::int64_t(model_.lengthSeconds()) * 1000 + SessionPlayer::kTickMs;
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
            float* into = sink.nextBlock(n);
            if (!into) into = block.data();
            engine.renderOffline(into, n);
            if (!sink.write(into, n)) {
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
            nextFade += SessionPlayer::kFadeTickMs;
        }
        if (nextTick == until) {
            player.Tick();
            nextTick += SessionPlayer::kTickMs;
        }
        if (view.fadeSwitchedOn) {
            view.fadeSwitchedOn = false;
            nextFade = until + SessionPlayer::kFadeTickMs;
        }
        if (!view.fadeOn) nextFade = -1;
    }
    player.Stop();
    // The player stops at the session's end; should it ever stop earlier, the
    // file still has the session's length, in silence.
    while (result.frames < total) {
        const int n = int(std::min<std::int64_t>(total - result.frames, kBlockFrames));
        float* into = sink.nextBlock(n);
        if (!into) into = block.data();
        std::fill(into, into + 2 * n, 0.0f);
        if (!sink.write(into, n)) return result;
        result.frames += n;
        if (progress) progress(result.frames);
    }
    result.status = RenderStatus::Complete;
    return result;
}

} // namespace vs::playback
