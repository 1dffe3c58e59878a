// The playlist heard through the real engine: WAV songs the test writes,
// measured and played by the music player on the program's devices, beside a
// session played offline on a simulated clock, and the sound judged from the
// rendered samples alone.
#include "../audio/audio_fixture.h"
#include "../audio/tone_analysis.h"
#include "../playback/player_fakes.h"
#include "audio/volume.h"
#include "library/engine_music_devices.h"
#include "library/system_music_devices.h"
#include "music_fixture.h"
#include "playback/engine_links.h"
#include "session/session_model.h"

#include <sndfile.h>

#include <cmath>

using namespace vs;
using namespace vs::test;
using audio::MixerLine;

namespace {

constexpr double kRate = 44100;
constexpr int kHalfSecond = 22050;
constexpr double kTonePeak = 32760.0 / 32768.0;

// A steady sine of `hz` at `peak`, the same in every channel.
bool writeTone(const std::string& path, double hz, double seconds, int channels, int rate,
               int format, double peak = 0.5) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | format;
    const auto frames = static_cast<sf_count_t>(std::llround(seconds * rate));
    std::vector<float> buf(std::size_t(frames) * std::size_t(channels));
    for (sf_count_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            buf[std::size_t(i * channels + c)] =
                float(peak * std::sin(2 * M_PI * hz * double(i) / rate));
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) return false;
    const bool ok = sf_writef_float(f, buf.data(), frames) == frames;
    sf_close(f);
    return ok;
}

std::vector<float> slice(const std::vector<float>& x, std::size_t from, std::size_t n) {
    return {x.begin() + std::ptrdiff_t(from), x.begin() + std::ptrdiff_t(from + n)};
}

struct MusicSound : OfflineEngine {
    RecordingMessageService shown;
    ScriptedFileDialogs dialogs;
    library::SystemMusicDevices devices;
    FakeMusicView musicView;
    std::unique_ptr<audio::clsVolume> volume;
    std::unique_ptr<library::MusicLibrary> lib;
    std::unique_ptr<library::MusicPlayer> music;

    session::SessionModel model;
    FakeView view;
    FakeGlasses glasses;
    FakeClock clock;
    playback::SampleToneBank bank;
    std::unique_ptr<playback::MixerMaster> master;
    std::unique_ptr<playback::SessionPlayer> player;
    std::vector<float> out;

    void SetUp() override {
        OfflineEngine::SetUp();
        setMessageService(&shown);
        bank.create();
        model.SesionNueva();
        // The master line is the system's (recorded); the music lines are
        // the engine's own gains, so the slider is heard.
        auto sys = std::make_unique<audio::RecordingMixerBackend>();
        sys->present = {true, false, false, false};
        sys->levels[std::size_t(MixerLine::Master)] = 48000;
        volume = std::make_unique<audio::clsVolume>(std::move(sys), audio::makeEngineMixer());
        lib = std::make_unique<library::MusicLibrary>(devices, *volume, musicView, shown, dialogs,
                                                      Preferences::instance());
        music = std::make_unique<library::MusicPlayer>(*lib, devices, musicView, shown,
                                                       Preferences::instance());
        musicView.changed = [this](int v) { lib->scrollVolumenMusicaCambiado(v); };
        master = std::make_unique<playback::MixerMaster>(*volume);
        player = std::make_unique<playback::SessionPlayer>(model, view, bank, *master, glasses,
                                                           *music, clock);
        player->setNivelMaestroGuardado(master->VolumeLevel());
    }
    void TearDown() override {
        player.reset();
        music->cerrar();
        bank.release();
        setMessageService(nullptr);
        OfflineEngine::TearDown();
    }
    void step() {
        clock.now += 500;
        player->Tick();
        const auto part = render(kHalfSecond);
        out.insert(out.end(), part.begin(), part.end());
    }
    std::size_t frames() const { return out.size() / 2; }
};

} // namespace

TEST_F(MusicSound, WavSongsAreMeasuredByTheirFormat) {
    struct Case {
        const char* name;
        int channels, rate, format;
        double seconds;
        const char* shownLength;
    };
    const Case cases[] = {
        {"ocho_mono.wav", 1, 8000, SF_FORMAT_PCM_U8, 3, "00:03"},
        {"ocho_estereo.wav", 2, 11025, SF_FORMAT_PCM_U8, 7, "00:07"},
        {"mono.wav", 1, 22050, SF_FORMAT_PCM_16, 2, "00:02"},
        {"estereo.wav", 2, 44100, SF_FORMAT_PCM_16, 61, "01:01"},
        {"medio.wav", 2, 44100, SF_FORMAT_PCM_16, 2.5, "00:02"}, // halves to even
        {"ALTO.WAV", 2, 48000, SF_FORMAT_PCM_16, 3.5, "00:04"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.file(c.name);
        ASSERT_TRUE(writeTone(path, 440, c.seconds, c.channels, c.rate, c.format));
        ASSERT_TRUE(lib->anadirFichero(path));
        EXPECT_EQ(lib->row(lib->songCount()).duration, c.shownLength);
    }
    EXPECT_TRUE(shown.entries.empty());
    // A file that is no sound at all.
    writeFile(dir.file("texto.wav"), "no es un fichero de sonido");
    EXPECT_FALSE(lib->anadirFichero(dir.file("texto.wav")));
    EXPECT_TRUE(shown.saw("No se puede abrir el fichero"));
}

TEST_F(MusicSound, ASessionCarriesTheSongAtTheSliderLevelAndMovesOnWhenItEnds) {
    const std::string a = dir.file("la.wav"), b = dir.file("mi.wav");
    ASSERT_TRUE(writeTone(a, 440, 2.0, 2, 44100, SF_FORMAT_PCM_16));
    ASSERT_TRUE(writeTone(b, 660, 4.0, 1, 22050, SF_FORMAT_PCM_16));
    ASSERT_TRUE(lib->anadirFichero(a));
    ASSERT_TRUE(lib->anadirFichero(b));
    lib->iniciar();
    musicView.setScrollVolumenMusica(50);
    view.musica = true;
    const double gain = 32768.0 / 65535.0; // slider 50: the wave line at 32768

    player->Play();
    ASSERT_EQ(lib->currentRow(), 1);
    std::size_t secondStarts = 0;
    for (int i = 0; i < 16; ++i) {
        step();
        if (!secondStarts && lib->currentRow() == 2) secondStarts = frames() - kHalfSecond;
    }
    ASSERT_TRUE(player->playing());
    ASSERT_NE(secondStarts, 0u);
    // The next song starts at the first session tick after the first ended.
    EXPECT_GE(secondStarts, 88200u);
    EXPECT_LE(secondStarts, 88200u + 2 * kHalfSecond);

    const auto left = channelOf(out, 0), right = channelOf(out, 1);
    const std::size_t win = 3 * kHalfSecond;
    const double song = 0.5 * gain;
    const double tone = 0.05 * kTonePeak * gain;
    const double fl = player->rateLeft() / 44.1, fr = player->rateRight() / 44.1;
    for (const auto* x : {&left, &right}) {
        // The first song, at the slider's level, in both ears...
        const auto first = slice(*x, kHalfSecond / 2, win);
        EXPECT_NEAR(fitSine(first, 440, kRate).amplitude, song, song * 0.01);
        EXPECT_LT(fitSine(first, 660, kRate).amplitude, song * 0.01);
        // ...then the second one alone.
        const auto second = slice(*x, secondStarts + kHalfSecond / 2, win);
        EXPECT_NEAR(fitSine(second, 660, kRate).amplitude, song, song * 0.01);
        EXPECT_LT(fitSine(second, 440, kRate).amplitude, song * 0.01);
    }
    // The session's tones sound on beside it at their own pitches, on the
    // same wave line.
    EXPECT_NEAR(fl, model.baseHz(model.PuntoFR[1].Top), 1 / 44.1);
    for (const auto& [x, own] : {std::pair{&left, fl}, std::pair{&right, fr}}) {
        const auto part = slice(*x, kHalfSecond, win);
        EXPECT_NEAR(fitSine(part, own, kRate).amplitude, tone, tone * 0.02);
    }
    EXPECT_EQ(lib->row(2).duration, "00:04");
    EXPECT_TRUE(shown.entries.empty());

    // After the session no song plays.
    player->Stop();
    const auto after = render(kHalfSecond);
    EXPECT_LT(rms(after), 1e-6);
}

TEST(MusicOnItsOwnEngine, SongsAreMeasuredAndPlayedOnThatEngineAlone) {
    TempDir dir;
    dir.becomeProgramFolders();
    audio::Engine engine;
    ASSERT_TRUE(engine.openOffline());
    library::ScriptedMusicDevices others;
    library::EngineMusicDevices devices(engine, others);
    RecordingMessageService shown;
    ScriptedFileDialogs dialogs;
    FakeMusicView view;
    audio::clsVolume volume(std::make_unique<audio::RecordingMixerBackend>(), nullptr);
    library::MusicLibrary lib(devices, volume, view, shown, dialogs, Preferences::instance());
    library::MusicPlayer music(lib, devices, view, shown, Preferences::instance());

    const std::string path = dir.file("sol.wav");
    ASSERT_TRUE(writeTone(path, 550, 1.5, 1, 22050, SF_FORMAT_PCM_16));
    ASSERT_TRUE(lib.anadirFichero(path));
    EXPECT_EQ(lib.row(1).duration, "00:02"); // 1.5 s, halves to even
    music.PlayMusica();
    EXPECT_EQ(others.count("mci close all"), 1);
    EXPECT_EQ(others.count("cdFree"), 1);

    std::vector<float> out(std::size_t(kRate) * 2);
    ASSERT_EQ(engine.renderOffline(out.data(), int(kRate)), int(kRate));
    const SineFit fit = fitSine(channelOf(out, 0), 550, kRate);
    EXPECT_NEAR(fit.amplitude, 0.5, 0.005);
    EXPECT_FALSE(music.songEnded());
    ASSERT_EQ(engine.renderOffline(out.data(), int(kRate)), int(kRate));
    EXPECT_TRUE(music.songEnded());
    EXPECT_TRUE(shown.entries.empty());
    music.PararMusica();
    engine.close();
    clearFolderOverrides();
}
