// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI command strings: what each command answers, and the sound a played
// song puts on the Synth line of an offline engine.
#include "audio/bass.h"
#include "audio/mci.h"
#include "audio/midi_synth.h"
#include "audio_fixture.h"
#include "midi_writer.h"
#include "tone_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace vs::test;
using vs::audio::mciSendString;
namespace audio = vs::audio;

namespace {

std::string ask(const std::string& command) {
    std::string reply = "untouched";
    EXPECT_EQ(mciSendString(command, &reply), 0u) << command;
    return reply;
}

class MciCommands : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir.file("mis canciones"));
        song = dir.file("mis canciones/una  canción.mid");
        save(song, oneNoteSong(kOcarina, kA4, 1500));
    }
    void TearDown() override { mciSendString("close all", nullptr); }
    TempDir dir;
    std::string song;
};

// Sound through an offline engine; the songs are measured on the mix.
class MciSound : public OfflineEngine {
protected:
    void TearDown() override {
        mciSendString("close all", nullptr);
        OfflineEngine::TearDown();
    }
    std::string write(const std::string& name, const Bytes& b) {
        const std::string path = dir.file(name);
        save(path, b);
        return path;
    }
    static std::vector<float> left(int frames) { return channelOf(render(frames), 0); }
};

} // namespace

TEST_F(MciCommands, OpenMeasureAndClose) {
    // No engine is open: measuring needs none.
    EXPECT_EQ(mciSendString("open " + song + " type sequencer alias midi1", nullptr), 0u);
    EXPECT_EQ(ask("set midi1 time format ms"), "");
    EXPECT_EQ(ask("status midi1 length"), "1500");
    EXPECT_EQ(ask("STATUS Midi1 MODE"), "stopped");
    EXPECT_EQ(mciSendString("open " + song + " type sequencer alias midi1", nullptr),
              audio::kMciAliasInUse);
    EXPECT_EQ(mciSendString("close midi1", nullptr), 0u);
    EXPECT_EQ(mciSendString("close midi1", nullptr), audio::kMciUnknownAlias);

    // Quoted, with blanks around it.
    EXPECT_EQ(mciSendString("  open \"" + song + "\"  type sequencer alias a ", nullptr), 0u);
    EXPECT_EQ(ask("status a length"), "1500");
}

TEST_F(MciCommands, OpenRefusesWhatItCannotPlay) {
    save(dir.file("falso.mid"), Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0});
    EXPECT_EQ(mciSendString("open " + dir.file("falso.mid") + " type sequencer alias m", nullptr),
              audio::kMciNotMidi);
    EXPECT_EQ(mciSendString("open " + dir.file("nada.mid") + " type sequencer alias m", nullptr),
              audio::kMciCannotRead);
    EXPECT_EQ(mciSendString("open " + song + " type waveaudio alias m", nullptr),
              audio::kMciUnsupported);
    EXPECT_EQ(mciSendString("open " + song + " alias m", nullptr), audio::kMciUnknownCommand);
    EXPECT_EQ(mciSendString("open type sequencer alias m", nullptr), audio::kMciUnknownCommand);
    EXPECT_EQ(mciSendString("open " + song + " type sequencer alias all", nullptr),
              audio::kMciUnknownCommand);
    // None of them left a device behind.
    EXPECT_EQ(mciSendString("status m length", nullptr), audio::kMciUnknownAlias);
}

TEST_F(MciCommands, UnknownCommandsAndAliases) {
    std::string reply = "x";
    EXPECT_EQ(mciSendString("status midi mode", &reply), audio::kMciUnknownAlias);
    EXPECT_EQ(reply, "");
    EXPECT_EQ(mciSendString("play midi from 0", nullptr), audio::kMciUnknownAlias);
    EXPECT_NE(mciSendString("", nullptr), 0u);
    EXPECT_NE(mciSendString("rewind midi", nullptr), 0u);

    ASSERT_EQ(mciSendString("open " + song + " type sequencer alias midi", nullptr), 0u);
    EXPECT_EQ(mciSendString("status midi tempo", nullptr), audio::kMciUnsupported);
    EXPECT_EQ(mciSendString("set midi time format frames", nullptr), audio::kMciUnsupported);
    EXPECT_EQ(mciSendString("play midi from 500", nullptr), audio::kMciUnsupported);
    EXPECT_EQ(mciSendString("stop midi now", nullptr), audio::kMciUnknownCommand);
    // Playing needs an open engine; the device stays and answers.
    EXPECT_EQ(mciSendString("play midi from 0", nullptr), audio::kMciPlayFailed);
    EXPECT_EQ(ask("status midi mode"), "stopped");
    EXPECT_EQ(ask("stop midi"), "");

    ASSERT_EQ(mciSendString("open " + song + " type sequencer alias otra", nullptr), 0u);
    EXPECT_EQ(mciSendString("close all", nullptr), 0u);
    EXPECT_EQ(mciSendString("status midi length", nullptr), audio::kMciUnknownAlias);
    EXPECT_EQ(mciSendString("close all", nullptr), 0u);
}

TEST_F(MciSound, PlayedNoteSoundsOnTheSynthLineUntilTheSongEnds) {
    const std::string path = write("la 440.mid", oneNoteSong(kOcarina, kA4, 2000));
    ASSERT_EQ(mciSendString("open " + path + " type sequencer alias midi", nullptr), 0u);
    ASSERT_EQ(mciSendString("play midi from 0", nullptr), 0u);
    EXPECT_EQ(ask("status midi mode"), "playing");

    render(audio::kMixRate / 2); // past the attack
    const std::vector<float> x = left(audio::kMixRate / 2);
    const double a440 = fitSine(x, 440, audio::kMixRate).amplitude;
    EXPECT_GT(a440, 0.01);
    for (double other : {220.0, 415.3, 466.2, 880.0})
        EXPECT_LT(fitSine(x, other, audio::kMixRate).amplitude, a440 / 5) << other << " Hz";
    EXPECT_NEAR(toneFrequency(x, audio::kMixRate), 440.0, 2.0);
    // The offline render waited for the worker: no block of silence in the tone.
    int zeros = 0, longestZeros = 0;
    for (float v : x)
        longestZeros = std::max(longestZeros, zeros = v == 0.0f ? zeros + 1 : 0);
    EXPECT_LT(longestZeros, 8);

    // It plays out within the song plus the fading tail, and not before the song's end.
    int renderedMs = 1000;
    while (ask("status midi mode") == "playing" && renderedMs < 10000) {
        render(audio::kMixRate / 20);
        renderedMs += 50;
    }
    EXPECT_GE(renderedMs, 2000);
    EXPECT_LE(renderedMs, 2000 + 3000); // the notes fade for at most 2 s
    EXPECT_EQ(ask("status midi mode"), "stopped");
    EXPECT_LT(rms(left(4096)), 1e-6);
}

TEST_F(MciSound, LineGainScalesTheSongAndStopSilencesIt) {
    const std::string path = write("la.mid", oneNoteSong(kOcarina, kA4, 3000));
    ASSERT_EQ(mciSendString("open " + path + " type sequencer alias midi", nullptr), 0u);
    auto levelAfterHalfASecond = [] {
        EXPECT_EQ(mciSendString("play midi from 0", nullptr), 0u);
        render(audio::kMixRate / 2);
        return rms(left(audio::kMixRate / 4));
    };
    const double full = levelAfterHalfASecond();
    audio::processEngine().setLineGain(audio::Line::Synth, 0.5f);
    const double half = levelAfterHalfASecond(); // playing again starts from the top
    EXPECT_GT(full, 0.005);
    EXPECT_NEAR(half / full, 0.5, 0.02);

    ASSERT_EQ(mciSendString("stop midi", nullptr), 0u);
    EXPECT_EQ(ask("status midi mode"), "stopped");
    EXPECT_LT(rms(left(4096)), 1e-6);
    // The Wave line's gain does nothing to the song.
    audio::processEngine().setLineGain(audio::Line::Synth, 1);
    audio::processEngine().setLineGain(audio::Line::Wave, 0);
    EXPECT_NEAR(levelAfterHalfASecond() / full, 1.0, 0.02);
}

TEST_F(MciSound, MeasuringDoesNotDisturbPlaybackButAnotherSongTakesTheLine) {
    const std::string path = write("la.mid", oneNoteSong(kOcarina, kA4, 3000));
    ASSERT_EQ(mciSendString("open " + path + " type sequencer alias midi", nullptr), 0u);
    ASSERT_EQ(mciSendString("play midi from 0", nullptr), 0u);
    render(audio::kMixRate / 2);

    ASSERT_EQ(mciSendString("open " + path + " type sequencer alias midi1", nullptr), 0u);
    EXPECT_EQ(ask("status midi1 length"), "3000");
    ASSERT_EQ(mciSendString("close midi1", nullptr), 0u);
    EXPECT_EQ(ask("status midi mode"), "playing");
    EXPECT_GT(rms(left(audio::kMixRate / 4)), 0.005);

    ASSERT_EQ(mciSendString("open " + path + " type sequencer alias otra", nullptr), 0u);
    ASSERT_EQ(mciSendString("play otra", nullptr), 0u);
    EXPECT_EQ(ask("status midi mode"), "stopped");
    EXPECT_EQ(ask("status otra mode"), "playing");
    // Closing everything while a song plays returns promptly and leaves silence.
    ASSERT_EQ(mciSendString("close all", nullptr), 0u);
    EXPECT_LT(rms(left(4096)), 1e-6);
}

TEST_F(MciSound, SynthRefusesWhatItCannotPlayAndStaysStopped) {
    audio::MidiSynth noFont(oneNoteSong(kOcarina, kA4, 500), audio::processEngine(),
                            dir.file("nada.sf2"));
    EXPECT_FALSE(noFont.play());
    audio::MidiSynth noSong(Bytes{'M', 'T', 'h', 'd'}, audio::processEngine());
    EXPECT_FALSE(noSong.play());
    EXPECT_FALSE(noFont.playing());
    EXPECT_FALSE(noSong.playing());
    EXPECT_LT(rms(left(4096)), 1e-6);
}
