// SPDX-License-Identifier: GPL-3.0-or-later
// The playlist heard through the real engine: WAV and MIDI songs the test
// writes and tracks of a CD image, measured and played by the music player on
// the program's devices, beside a session played offline on a simulated
// clock, and the sound judged from the rendered samples alone.
#include "audio/bass.h"
#include "../audio/audio_fixture.h"
#include "../audio/midi_writer.h"
#include "../audio/tone_analysis.h"
#include "../playback/player_fakes.h"
#include "audio/mci.h"
#include "audio/volume.h"
#include "cd_image.h"
#include "library/engine_music_devices.h"
#include "library/engine_music_devices.h"
#include "music_fixture.h"
#include "playback/player_sound.h"
#include "session/session_model.h"

#include <sndfile.h>

#include <cmath>
#include <functional>

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
    library::EngineMusicDevices devices{engine()};
    FakeMusicView musicView;
    std::unique_ptr<audio::clsVolume> volume;
    std::unique_ptr<library::MusicLibrary> lib;
    std::unique_ptr<library::MusicPlayer> music;

    session::SessionModel model;
    FakeView view;
    FakeGlasses glasses;
    FakeClock clock;
    playback::SampleToneBank bank{engine(), shown};
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
        volume = std::make_unique<audio::clsVolume>(std::move(sys),
                                                    audio::makeEngineMixer(audio::processEngine()));
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

    // Plays the session on for `steps` ticks and returns the frame where the
    // second song starts (0: it never did). While the first song is current,
    // `ended()` is asked before each tick, and the playlist must move on at
    // exactly the first tick that finds it true.
    std::size_t playUntilTheNextSong(int steps, const std::function<bool()>& ended) {
        std::size_t next = 0;
        for (int i = 0; i < steps; ++i) {
            const bool first = lib->currentRow() == 1;
            const bool over = first && ended();
            step();
            if (first) {
                EXPECT_EQ(lib->currentRow() == 2, over) << "tick " << i + 1;
            }
            if (!next && lib->currentRow() == 2) next = frames() - kHalfSecond;
        }
        return next;
    }
    // The session's own tones at their pitches, each at `level`, from `from`.
    void expectTheSessionTones(double level, std::size_t from, std::size_t count) {
        const double fl = player->rateLeft() / 44.1, fr = player->rateRight() / 44.1;
        EXPECT_NEAR(fl, model.baseHz(model.PuntoFR[1].Top), 1 / 44.1);
        for (const auto& [ch, own] : {std::pair{0, fl}, std::pair{1, fr}}) {
            const auto part = slice(channelOf(out, ch), from, count);
            EXPECT_NEAR(fitSine(part, own, kRate).amplitude, level, level * 0.02) << "ear " << ch;
        }
    }
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
    library::EngineMusicDevices devices(engine);
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

TEST_F(MusicSound, AMidiSongSoundsOnTheSynthLineAtTheSliderLevelUntilTheSequencerStops) {
    const std::string mid = dir.file("la 440.mid"), wav = dir.file("mi.wav");
    save(mid, oneNoteSong(kOcarina, kA4, 2000));
    ASSERT_TRUE(writeTone(wav, 660, 4.0, 2, 44100, SF_FORMAT_PCM_16));
    // What the song alone gives on the Synth line at full gain, from its start.
    ASSERT_EQ(audio::mciSendString("open " + mid + " type sequencer alias midi", nullptr), 0u);
    ASSERT_EQ(audio::mciSendString("play midi from 0", nullptr), 0u);
    const auto alone = channelOf(render(4 * kHalfSecond), 0);
    audio::mciSendString("close all", nullptr);
    const std::size_t win = 2 * kHalfSecond;
    const double full = fitSine(slice(alone, kHalfSecond, win), 440, kRate).amplitude;
    ASSERT_GT(full, 0.01);

    ASSERT_TRUE(lib->anadirFichero(mid));
    ASSERT_TRUE(lib->anadirFichero(wav));
    lib->iniciar();
    ASSERT_EQ(lib->cancion().kind, "mid");
    musicView.setScrollVolumenMusica(50); // the Synth line at 32768
    view.musica = true;
    player->Play();
    ASSERT_EQ(lib->currentRow(), 1);
    EXPECT_EQ(music->modoMidi(), "playing");
    const std::size_t next = playUntilTheNextSong(
        20, [this] { return music->modoMidi().find("stopped") != std::string::npos; });
    ASSERT_TRUE(player->playing());
    ASSERT_NE(next, 0u);
    // The note is 2 s long and fades for at most 2 s more.
    EXPECT_GE(next, 88200u);
    EXPECT_LE(next, 88200u + 2 * 88200u + kHalfSecond);

    const double song = full * 32768.0 / 65535.0;
    for (int ch = 0; ch < 2; ++ch) {
        const auto x = channelOf(out, ch);
        const auto first = slice(x, kHalfSecond, win);
        EXPECT_NEAR(fitSine(first, 440, kRate).amplitude, song, song * 0.02) << "ear " << ch;
        for (double other : {415.3, 466.2, 880.0})
            EXPECT_LT(fitSine(first, other, kRate).amplitude, song / 5) << other << " Hz";
        // The WAV that follows takes the slider from the wave line, at 100.
        const auto second = slice(x, next + kHalfSecond / 2, win);
        EXPECT_NEAR(fitSine(second, 660, kRate).amplitude, 0.5, 0.005) << "ear " << ch;
        EXPECT_LT(fitSine(second, 440, kRate).amplitude, song * 0.02) << "ear " << ch;
    }
    // The Synth slider left the session's tones on the wave line alone.
    expectTheSessionTones(0.05 * kTonePeak, kHalfSecond, win);
    EXPECT_EQ(lib->row(1).duration, "00:02");
    EXPECT_TRUE(shown.entries.empty());
    player->Stop();
    EXPECT_LT(rms(render(kHalfSecond)), 1e-6);
}

TEST_F(MusicSound, ACdTrackSoundsOnTheCdLineAtTheSliderLevelUntilItIsPlayedOut) {
    const std::string cue = writeCdImage(dir.path(), {{300, 1.0}, {1000, 2.0}, {1500, 3.0, 0.4}});
    ASSERT_TRUE(lib->anadirFichero(cue + "/Track02.cda"));
    ASSERT_TRUE(lib->anadirFichero(cue + "/Track03.cda"));
    EXPECT_EQ(lib->row(1).name, "Track02.cda");
    EXPECT_EQ(lib->row(2).duration, "00:03");
    lib->iniciar();
    ASSERT_EQ(lib->cancion().kind, "cda");
    musicView.setScrollVolumenMusica(50); // the CD line at 32768
    view.musica = true;
    player->Play();
    ASSERT_EQ(lib->currentRow(), 1);
    EXPECT_TRUE(devices.cdActive());
    const std::size_t next = playUntilTheNextSong(10, [this] { return !devices.cdActive(); });
    ASSERT_TRUE(player->playing());
    ASSERT_NE(next, 0u);
    EXPECT_GE(next, 88200u);
    EXPECT_LE(next, 88200u + 2 * kHalfSecond);

    const double gain = 32768.0 / 65535.0;
    const std::size_t win = 2 * kHalfSecond;
    for (int ch = 0; ch < 2; ++ch) {
        const auto x = channelOf(out, ch);
        const auto first = slice(x, kHalfSecond / 2, win);
        EXPECT_NEAR(fitSine(first, 1000, kRate).amplitude, 0.5 * gain, 0.005 * gain);
        EXPECT_LT(fitSine(first, 300, kRate).amplitude, 0.001);
        // The next track keeps the CD line where the slider put it.
        const auto second = slice(x, next + kHalfSecond / 2, win);
        EXPECT_NEAR(fitSine(second, 1500, kRate).amplitude, 0.4 * gain, 0.004 * gain);
        EXPECT_LT(fitSine(second, 1000, kRate).amplitude, 0.001);
    }
    expectTheSessionTones(0.05 * kTonePeak, kHalfSecond, win);
    EXPECT_EQ(lib->row(1).duration, "00:02");
    for (const auto& e : shown.entries)
        ADD_FAILURE() << e.text;
    player->Stop();
    EXPECT_FALSE(devices.cdActive());
    EXPECT_LT(rms(render(kHalfSecond)), 1e-6);
}
