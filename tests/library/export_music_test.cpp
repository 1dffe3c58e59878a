// SPDX-License-Identifier: GPL-3.0-or-later
// The playlist's music in an offline render: the real music player over a
// copy of the rows, on the render's own engine. Songs the test writes (a WAV
// tone, a one-note MIDI file, a CD image) are judged from the rendered frames: the song
// is there at the slider's level and the session's tones are as without it.
#include "../audio/audio_fixture.h"
#include "../audio/midi_writer.h"
#include "../audio/sine_file.h"
#include "../audio/tone_analysis.h"
#include "audio/mci.h"
#include "base/preferences.h"
#include "cd_image.h"
#include "library/export_music.h"
#include "library/song.h"
#include "playback/playback_keys.h"
#include "playback/session_render.h"
#include "session/session_model.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <fstream>

using namespace vs;
using namespace vs::playback;
using vs::test::TempDir;

namespace {

constexpr double kRate = 44100;
constexpr double kSongHz = 3000;
constexpr double kCdHz = 2000;
constexpr double kSongPeak = 0.3;

class Frames : public FrameSink {
public:
    bool write(const float* x, int frames) override {
        samples.insert(samples.end(), x, x + 2 * frames);
        return true;
    }
    std::vector<float> samples;
};

void writeTone(const std::string& path, double seconds, double hz = kSongHz) {
    ASSERT_TRUE(test::writeSineWav(path, hz, seconds, kSongPeak));
}

void writeBytes(const std::string& path, const test::Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<float> part(const std::vector<float>& channel, double from, double to) {
    return {channel.begin() + std::ptrdiff_t(from * kRate),
            channel.begin() + std::ptrdiff_t(to * kRate)};
}

std::vector<float> minus(const std::vector<float>& a, const std::vector<float>& b) {
    std::vector<float> d(a.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        d[i] = a[i] - b[i];
    return d;
}

struct RenderMusic : ::testing::Test {
    TempDir dir;
    session::SessionModel model;
    ExportOptions options;

    void SetUp() override {
        model.SesionNueva();
        model.setMinutos(0);
        model.setSegundos(4);
        options.binaural = true;
        options.musica = true;
        options.volumenBinaural = 100;
        options.ultimosSegundos = 0;
    }
    library::PlaylistSnapshot playlist(std::vector<std::string> paths, int slider) {
        library::PlaylistSnapshot p;
        for (const auto& path : paths)
            p.rows.push_back({path, path, ""});
        p.musica = true;
        p.volumenMusica = slider;
        return p;
    }
    RenderResult render(const library::PlaylistSnapshot& p, Frames& out) {
        SessionRenderer renderer(model, options,
                                 library::exportMusic(p, dir.file("preferencias.ini")));
        return renderer.run(out);
    }
};

} // namespace

TEST_F(RenderMusic, AWavSongIsHeardAtTheSliderLevelBesideUnchangedTones) {
    const std::string song = dir.file("cancion.wav");
    writeTone(song, 10.0);
    Frames with, without;
    ASSERT_EQ(render(playlist({song}, 50), with).status, RenderStatus::Complete);
    ASSERT_EQ(render({}, without).status, RenderStatus::Complete);
    ASSERT_EQ(with.samples.size(), without.samples.size());

    for (int c = 0; c < 2; ++c) {
        const auto w = part(test::channelOf(with.samples, c), 1.0, 3.0);
        const auto n = part(test::channelOf(without.samples, c), 1.0, 3.0);
        const double toneHz = test::toneFrequency(n, kRate);
        ASSERT_GT(toneHz, 20.0);
        // The difference is the music alone: the song at half its level.
        const auto music = minus(w, n);
        EXPECT_NEAR(test::fitSine(music, kSongHz, kRate).amplitude, kSongPeak * 0.5, 0.003);
        EXPECT_NEAR(test::rms(music), kSongPeak * 0.5 / std::sqrt(2.0), 0.003);
        // The tones keep their level (the song does not ride on their line).
        EXPECT_NEAR(test::fitSine(w, toneHz, kRate).amplitude,
                    test::fitSine(n, toneHz, kRate).amplitude, 0.002);
    }
}

TEST_F(RenderMusic, AMidiSongRendersIntoTheRenderEnginesSynthLineAtTheSliderLevel) {
    const std::string song = dir.file("cancion.mid");
    writeBytes(song, test::oneNoteSong(73, 81, 8000)); // a flute A5, held
    Frames full, half, without;
    ASSERT_EQ(render(playlist({song}, 100), full).status, RenderStatus::Complete);
    ASSERT_EQ(render(playlist({song}, 50), half).status, RenderStatus::Complete);
    ASSERT_EQ(render({}, without).status, RenderStatus::Complete);

    const auto n = part(test::channelOf(without.samples, 0), 1.0, 2.0);
    const auto loud = minus(part(test::channelOf(full.samples, 0), 1.0, 2.0), n);
    const auto soft = minus(part(test::channelOf(half.samples, 0), 1.0, 2.0), n);
    EXPECT_GT(test::rms(loud), 0.01);
    EXPECT_NEAR(test::toneFrequency(loud, kRate), 880.0, 10.0);
    EXPECT_NEAR(test::rms(soft) / test::rms(loud), 0.5, 0.02);
}

TEST_F(RenderMusic, ACdImageTrackPlaysAtTheSliderLevelAndTheNextSongFollows) {
    const std::string cue = test::writeCdImage(dir.path(), {{kCdHz, 1.0, kSongPeak}});
    const std::string song = dir.file("cancion.wav");
    writeTone(song, 10.0);
    Frames out, without;
    const RenderResult r = render(playlist({library::cdTrackPath(cue, 1), song}, 50), out);
    ASSERT_EQ(r.status, RenderStatus::Complete);
    EXPECT_TRUE(r.notes.empty());
    ASSERT_EQ(render({}, without).status, RenderStatus::Complete);
    for (int c = 0; c < 2; ++c) {
        const auto music =
            minus(test::channelOf(out.samples, c), test::channelOf(without.samples, c));
        // The track from the start, at half its level; the song from the tick
        // after the track has ended (1.5 s), at half its level too.
        const auto track = part(music, 0.1, 0.9), next = part(music, 1.55, 2.45);
        EXPECT_NEAR(test::fitSine(track, kCdHz, kRate).amplitude, kSongPeak * 0.5, 0.003);
        EXPECT_LT(test::fitSine(track, kSongHz, kRate).amplitude, 0.001);
        EXPECT_NEAR(test::fitSine(next, kSongHz, kRate).amplitude, kSongPeak * 0.5, 0.003);
        EXPECT_LT(test::fitSine(next, kCdHz, kRate).amplitude, 0.001);
    }
}

TEST_F(RenderMusic, ACdTrackWithNoDiscIsPassedOverAsLive) {
    const std::string song = dir.file("cancion.wav");
    writeTone(song, 10.0);
    Frames out, without;
    const RenderResult r = render(playlist({"/dev/cdrom/Track03.cda", song}, 100), out);
    ASSERT_EQ(r.status, RenderStatus::Complete);
    EXPECT_TRUE(r.notes.empty());
    ASSERT_EQ(render({}, without).status, RenderStatus::Complete);
    const auto music = minus(part(test::channelOf(out.samples, 0), 1.0, 3.0),
                             part(test::channelOf(without.samples, 0), 1.0, 3.0));
    EXPECT_NEAR(test::fitSine(music, kSongHz, kRate).amplitude, kSongPeak, 0.005);
}

TEST_F(RenderMusic, MusicBoxOffOrAnEmptyListRendersNoMusic) {
    const std::string song = dir.file("cancion.wav");
    writeTone(song, 10.0);
    auto off = playlist({song}, 100);
    off.musica = false;
    Frames a, b;
    ASSERT_EQ(render(off, a).status, RenderStatus::Complete);
    ASSERT_EQ(render({}, b).status, RenderStatus::Complete);
    EXPECT_EQ(a.samples, b.samples);
}

TEST_F(RenderMusic, ASongThatEndsIsFollowedAsTheOptionsSay) {
    const std::string first = dir.file("corta.wav"), second = dir.file("larga.wav");
    writeTone(first, 1.0, 3000);
    writeTone(second, 10.0, 5000);
    auto heard = [&](double hz) {
        Frames out;
        EXPECT_EQ(render(playlist({first, second}, 100), out).status, RenderStatus::Complete);
        // The first song ends at 1 s; the tick at 1.5 s starts the next one.
        const auto later = part(test::channelOf(out.samples, 0), 1.55, 2.45);
        return test::fitSine(later, hz, kRate).amplitude;
    };
    // The next song, by default.
    EXPECT_NEAR(heard(5000), kSongPeak, 0.005);
    EXPECT_LT(heard(3000), 0.001);
    // "Tocar Todas Canciones": the chosen song again and again.
    Preferences(dir.file("preferencias.ini")).save(pref::TocarTodasCanciones, "1");
    EXPECT_NEAR(heard(3000), kSongPeak, 0.005);
    EXPECT_LT(heard(5000), 0.001);
}

// An export while the program plays a MIDI song: each sequencer keeps to its
// own engine, and closing the export's devices leaves the program's song on.
struct RenderMusicBesideTheProgram : test::OfflineEngine {};

TEST_F(RenderMusicBesideTheProgram, TheProgramsMidiSongPlaysOnThroughAnExportOfAnother) {
    const std::string live = dir.file("viva.mid"), exported = dir.file("exportada.mid");
    writeBytes(live, test::oneNoteSong(73, 69, 20000));     // A4 on the program's engine
    writeBytes(exported, test::oneNoteSong(73, 86, 20000)); // D6 in the export
    ASSERT_EQ(audio::mciSendString("open " + live + " type sequencer alias midi", nullptr), 0u);
    ASSERT_EQ(audio::mciSendString("play midi from 0", nullptr), 0u);
    render(22050);

    session::SessionModel model;
    model.SesionNueva();
    model.setMinutos(0);
    model.setSegundos(2);
    ExportOptions options;
    options.binaural = false;
    options.musica = true;
    options.ultimosSegundos = 0;
    library::PlaylistSnapshot playlist;
    playlist.rows = {{exported, "exportada.mid", ""}};
    playlist.musica = true;
    Frames out;
    SessionRenderer renderer(model, options,
                             library::exportMusic(playlist, dir.file("preferencias.ini")));
    ASSERT_EQ(renderer.run(out).status, RenderStatus::Complete);
    // Each song on its own engine alone (no harmonic of A4 is near D6).
    const double a4 = 440.0, d6 = 1174.66;
    const auto exportedSound = part(test::channelOf(out.samples, 0), 0.5, 1.5);
    EXPECT_GT(test::fitSine(exportedSound, d6, kRate).amplitude, 0.005);
    EXPECT_LT(test::fitSine(exportedSound, a4, kRate).amplitude, 0.0005);

    std::string mode;
    ASSERT_EQ(audio::mciSendString("status midi mode", &mode), 0u);
    EXPECT_EQ(mode, "playing");
    const auto program = test::channelOf(render(44100), 0);
    EXPECT_GT(test::fitSine(program, a4, kRate).amplitude, 0.001);
    EXPECT_LT(test::fitSine(program, d6, kRate).amplitude, 0.0005);
    audio::mciSendString("close all", nullptr);
}
