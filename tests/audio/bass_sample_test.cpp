// SPDX-License-Identifier: GPL-3.0-or-later
// The sample player: its stored defaults, its clamps, and what it tells the user.
#include "audio/bass_sample.h"
#include "audio/cd.h"
#include "audio_fixture.h"
#include "base/services.h"
#include "cd_image.h"
#include "tone_analysis.h"
#include "recording_messages.h"

using namespace vs::test;
using vs::audio::BassSample;
using vs::playback::rutasOndas;

namespace {

class SamplePlayer : public OfflineEngine {
protected:
    void SetUp() override {
        OfflineEngine::SetUp();
        vs::setMessageService(&shown);
    }
    void TearDown() override {
        vs::setMessageService(nullptr);
        OfflineEngine::TearDown();
    }
    void loadLooped(BassSample& s, const std::string& path) {
        std::int32_t most = 1;
        bool eightBit = false, mono = false, looped = true;
        s.Load(path, most, eightBit, mono, looped);
    }
    vs::RecordingMessageService shown;
};

} // namespace

TEST_F(SamplePlayer, WritersClampAndWriteTheValueBack) {
    BassSample s(engine());
    std::int32_t v = -5;
    s.setVolume(v);
    EXPECT_EQ(v, 0);
    EXPECT_EQ(s.volume(), 0);
    v = 101;
    s.setVolume(v);
    EXPECT_EQ(v, 100);
    v = -1;
    s.setVolume(v);
    EXPECT_EQ(s.volume(), -1);

    for (auto [in, out] :
         {std::pair{50, 100}, {200000, 100000}, {-1, -1}, {0, 0}, {-7, 100}, {8820, 8820}}) {
        std::int32_t f = in;
        s.setFrequency(f);
        EXPECT_EQ(f, out) << in;
        EXPECT_EQ(s.Frequency(), out) << in;
    }
    for (auto [in, out] : {std::pair{-150, -100}, {-101, -101}, {101, 100}, {-1, -1}}) {
        std::int32_t p = in;
        s.setPan(p);
        EXPECT_EQ(p, out) << in;
        EXPECT_EQ(s.pan(), out) << in;
    }
    std::int32_t pos = -3;
    s.setStartPos(pos);
    EXPECT_EQ(s.StartPos(), -3);
    s.setLoopSample(true);
    EXPECT_TRUE(s.LoopSample());
    EXPECT_FALSE(s.IsSliding());
    EXPECT_TRUE(shown.entries.empty());
}

TEST_F(SamplePlayer, NothingHappensWithoutASample) {
    BassSample s(engine());
    s.Play(5, 0, 8820, 0, true);
    s.Pause();
    s.ResumePlay();
    s.StopPlay();
    s.Free();
    EXPECT_FALSE(s.FileLoaded());
    EXPECT_FALSE(s.Playing());
    EXPECT_TRUE(shown.entries.empty());
    EXPECT_EQ(peak(render(4410)), 0.0);
}

TEST_F(SamplePlayer, LoadFillsDefaultsAndPlayUsesThem) {
    BassSample s(engine());
    std::int32_t most = 0;
    bool eightBit = false, mono = false, looped = true;
    s.setLoopSample(true);
    s.Load(rutasOndas().left, most, eightBit, mono, looped);
    EXPECT_EQ(most, 1);
    ASSERT_TRUE(s.FileLoaded());
    EXPECT_EQ(s.Frequency(), -1);
    EXPECT_EQ(s.volume(), -1);
    EXPECT_EQ(s.pan(), -101);
    EXPECT_EQ(s.StartPos(), 0);

    s.Play();
    EXPECT_TRUE(s.Playing());
    EXPECT_EQ(s.FrequencyEx(), 44100);
    EXPECT_EQ(s.VolumeEx(), 100);
    EXPECT_EQ(s.PanEx(), 0);
    EXPECT_TRUE(engine().voiceInfo(s.voice())->loop);
    EXPECT_NEAR(toneFrequency(channelOf(render(44100), 0), 44100), 1000, 0.01);

    std::int32_t big = 70000;
    s.Load(rutasOndas().right, big, eightBit, mono, looped);
    EXPECT_EQ(big, 65535);
    EXPECT_TRUE(shown.entries.empty());
}

TEST_F(SamplePlayer, SessionTickRetunesAndRelevelsTheSoundingTone) {
    // What the player does every half second.
    BassSample s(engine());
    loadLooped(s, rutasOndas().left);
    s.Play(5, std::nullopt, 8820, std::nullopt, true);
    EXPECT_EQ(s.VolumeEx(), 5);
    std::int32_t pan = 40;
    s.setPanEx(pan);
    std::int32_t rate = 9261, vol = 250;
    s.setFrequencyEx(rate);
    s.setVolumeEx(vol);
    EXPECT_EQ(vol, 100);
    EXPECT_EQ(s.FrequencyEx(), 9261);
    EXPECT_EQ(s.VolumeEx(), 100);
    EXPECT_EQ(s.PanEx(), 40); // a retune leaves the pan alone
    // The stored defaults are untouched by the Ex writers.
    EXPECT_EQ(s.Frequency(), -1);
    EXPECT_EQ(s.volume(), -1);
    const auto out = render(44100);
    EXPECT_NEAR(toneFrequency(channelOf(out, 0), 44100), 210, 0.01);
    EXPECT_TRUE(shown.entries.empty());
}

TEST_F(SamplePlayer, FailuresAreShownInSpanish) {
    BassSample s(engine());
    loadLooped(s, rutasOndas().left);
    const auto held = s.sample();
    loadLooped(s, dir.file("no-existe.wav"));
    EXPECT_TRUE(shown.saw("No se puede cargar el fichero " + dir.file("no-existe.wav")));
    EXPECT_FALSE(s.FileLoaded());
    EXPECT_FALSE(engine().stopSample(held)); // the old sample was freed, not leaked

    loadLooped(s, rutasOndas().left);
    std::int32_t far = 1 << 30;
    s.setStartPos(far);
    s.Play();
    EXPECT_TRUE(shown.saw("No se puede iniciar el fichero"));

    std::int32_t v = 3, f = 9000, p = 0;
    s.setVolumeEx(v); // no sounding playback
    s.setFrequencyEx(f);
    s.setPanEx(p);
    EXPECT_TRUE(shown.saw("No se puede ajustar el volumen"));
    EXPECT_TRUE(shown.saw("No se puede modificar la frecuencia"));
    EXPECT_TRUE(shown.saw("No se puede establecer el panning"));
    EXPECT_EQ(shown.count(vs::RecordingMessageService::Entry::Critical), 5);

    BASS_Free(); // the engine is gone under the player
    s.StopPlay();
    EXPECT_TRUE(shown.saw("No se puede parar el fichero"));
}

TEST_F(SamplePlayer, PauseResumeStopAndTeardown) {
    vs::audio::SampleId handle;
    {
        BassSample s(engine());
        loadLooped(s, rutasOndas().mask);
        handle = s.sample();
        s.Play(10, std::nullopt, std::nullopt, std::nullopt, true);
        EXPECT_TRUE(s.Playing());
        s.Pause();
        EXPECT_FALSE(s.Playing());
        EXPECT_EQ(peak(render(4410)), 0.0);
        s.ResumePlay();
        EXPECT_TRUE(s.Playing());
        EXPECT_GT(peak(render(4410)), 0.01);
        s.StopPlay();
        EXPECT_FALSE(s.Playing());
        EXPECT_EQ(peak(render(4410)), 0.0);
        s.Play();
        EXPECT_TRUE(s.Playing());
    }
    // Gone with the object: the sample and its sound.
    EXPECT_FALSE(engine().stopSample(handle));
    EXPECT_EQ(peak(render(4410)), 0.0);

    BassSample freed(engine());
    loadLooped(freed, rutasOndas().mask);
    freed.Free();
    EXPECT_FALSE(freed.FileLoaded());
    EXPECT_TRUE(shown.entries.empty());
}

// A session started beside a CD track: the CD owns channel 0, which is also
// what a player that has not played yet holds.
TEST_F(SamplePlayer, ACdTrackPlayingIsNotTakenForAPlayerThatHasNotStarted) {
    const std::string cue = writeCdImage(dir.path(), {{1000, 2.0}});
    ASSERT_NE(BASS_CDInit(cue.c_str(), 0x20), 0u);
    ASSERT_NE(BASS_CDPlay(1, 0, 1), 0u);
    {
        BassSample s(engine());
        loadLooped(s, rutasOndas().left);
        EXPECT_FALSE(s.Playing());
        s.Pause();
        EXPECT_EQ(BASS_ChannelIsActive(0), vs::audio::kPlaying);
        s.Play(50, std::nullopt, 8820);
        EXPECT_TRUE(s.Playing());
        s.Free();
        EXPECT_FALSE(s.Playing());
        s.ResumePlay();
    } // the teardown of an unplayed player leaves the CD alone too
    EXPECT_EQ(BASS_ChannelIsActive(0), vs::audio::kPlaying);
    const auto x = channelOf(render(8192), 0);
    EXPECT_NEAR(fitSine(x, 1000, 44100).amplitude, 0.5, 0.005);
    EXPECT_TRUE(shown.entries.empty());
    BASS_CDFree();
}
