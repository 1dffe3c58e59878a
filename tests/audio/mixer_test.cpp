// SPDX-License-Identifier: GPL-3.0-or-later
// The sample mixer judged by ear, so to speak: every check measures the
// rendered sound rather than the engine's bookkeeping.
#include "audio/bass.h"
#include "audio_fixture.h"
#include "tone_analysis.h"

#include <cmath>

using namespace vs::test;
using vs::playback::rutasOndas;

namespace {

constexpr double kToneAmp = 32760.0 / 32768.0;

double expectedPitch(int rate) {
    return 1000.0 * rate / 44100.0;
}

} // namespace

TEST_F(OfflineEngine, LeftToneSoundsAtItsRateInTheLeftEarOnly) {
    const auto sample = loadTone(rutasOndas().left);
    ASSERT_NE(sample, 0u);
    for (int rate : {8820, 9261, 22050, 44100, 46305}) {
        const auto ch = BASS_SamplePlayEx(sample, 0, rate, 100, -101, 1);
        ASSERT_NE(ch, 0u);
        const auto out = render(44100 * 2);
        const auto left = channelOf(out, 0), right = channelOf(out, 1);
        EXPECT_NEAR(toneFrequency(left, 44100), expectedPitch(rate), 0.01) << rate;
        EXPECT_EQ(peak(right), 0.0) << rate;
        EXPECT_NEAR(fitSine(left, expectedPitch(rate), 44100).amplitude, kToneAmp, 1e-3);
        BASS_SampleStop(sample);
    }
}

TEST_F(OfflineEngine, RightToneSoundsInTheRightEarOnly) {
    const auto sample = loadTone(rutasOndas().right);
    ASSERT_NE(BASS_SamplePlayEx(sample, 0, 9261, 100, -101, 1), 0u);
    const auto out = render(44100 * 2);
    EXPECT_EQ(peak(channelOf(out, 0)), 0.0);
    EXPECT_NEAR(toneFrequency(channelOf(out, 1), 44100), expectedPitch(9261), 0.01);
}

TEST_F(OfflineEngine, ToneStaysPureAcrossTheRateRange) {
    const auto sample = loadTone(rutasOndas().left);
    for (int rate : {8820, 17000, 31000, 46305}) {
        BASS_SamplePlayEx(sample, 0, rate, 100, -101, 1);
        const auto left = channelOf(render(44100), 0);
        // The 16-bit wave file itself sits near -98 dB.
        EXPECT_LT(fitSine(left, expectedPitch(rate), 44100).thdnDb(), -90.0) << rate;
    }
}

TEST_F(OfflineEngine, RetuningContinuesTheWaveformWithoutAStep) {
    const auto sample = loadTone(rutasOndas().left);
    const auto ch = BASS_SamplePlayEx(sample, 0, 8820, 100, -101, 1);
    auto before = channelOf(render(10000), 0);
    // Mid-cycle here (about 0.8 of the peak), so restarting would show as a jump.
    ASSERT_GT(std::fabs(before.back()), 0.5);
    ASSERT_NE(BASS_ChannelSetAttributes(ch, 9261, -1, -101), 0u);
    const auto after = channelOf(render(10000), 0);
    before.insert(before.end(), after.begin(), after.end());
    const double toneStep = kToneAmp * 2 * std::sin(M_PI * expectedPitch(9261) / 44100);
    EXPECT_LE(largestStep(before), toneStep * 1.01);
    EXPECT_NEAR(toneFrequency(after, 44100), expectedPitch(9261), 0.01);
}

TEST_F(OfflineEngine, VolumeIsLinearAndPanTurnsDownTheOtherSide) {
    const auto sample = loadTone(rutasOndas().left);
    auto levelAt = [&](int volume, int pan, int channel) {
        BASS_SamplePlayEx(sample, 0, 44100, volume, pan, 1);
        const auto out = channelOf(render(44100), channel);
        BASS_SampleStop(sample);
        return fitSine(out, 1000, 44100).amplitude;
    };
    EXPECT_NEAR(levelAt(50, 0, 0), kToneAmp * 0.5, 1e-4);
    EXPECT_NEAR(levelAt(10, 0, 0), kToneAmp * 0.1, 1e-4);
    EXPECT_NEAR(levelAt(0, 0, 0), 0.0, 1e-6);
    EXPECT_NEAR(levelAt(100, -100, 0), kToneAmp, 1e-4); // panning towards it: full
    EXPECT_NEAR(levelAt(100, 50, 0), kToneAmp * 0.5, 1e-4);
    EXPECT_NEAR(levelAt(100, 100, 0), 0.0, 1e-6);
    EXPECT_NEAR(levelAt(150, -300, 0), kToneAmp, 1e-4); // clamped, not wrapped

    // A mono sample feeds both sides through the same law.
    const auto mono = loadTone(rutasOndas().left, vs::audio::kSampleMono);
    BASS_SamplePlayEx(mono, 0, 44100, 80, -50, 1);
    const auto out = render(44100);
    const double l = fitSine(channelOf(out, 0), 1000, 44100).amplitude;
    const double r = fitSine(channelOf(out, 1), 1000, 44100).amplitude;
    EXPECT_NEAR(l, kToneAmp / 2 * 0.8, 1e-4); // the silent right half is mixed in
    EXPECT_NEAR(r, l * 0.5, 1e-4);
}

TEST_F(OfflineEngine, LevelChangesGlideWithinOneBlock) {
    const auto sample = loadTone(rutasOndas().left);
    const auto ch = BASS_SamplePlayEx(sample, 0, 44100, 100, 0, 1);
    render(4410);
    BASS_ChannelSetAttributes(ch, -1, 20, -101);
    const auto out = channelOf(render(44100), 0);
    // No jump larger than the tone's own step, and the new level after the glide.
    EXPECT_LE(largestStep(out), kToneAmp * 2 * std::sin(M_PI * 1000 / 44100) * 1.01);
    const std::vector<float> settled(out.begin() + 1024, out.end());
    EXPECT_NEAR(peak(settled), kToneAmp * 0.2, 1e-3);
}

TEST_F(OfflineEngine, LineAndMasterGainsScaleTheirLinesOnly) {
    struct Hum : vs::audio::LineSource {
        void render(float* s, int frames) noexcept override {
            for (int i = 0; i < 2 * frames; ++i)
                s[i] += 0.25f;
        }
    };
    const auto sample = loadTone(rutasOndas().left);
    BASS_SamplePlayEx(sample, 0, 44100, 100, 0, 1);
    ASSERT_TRUE(
        vs::audio::processEngine().setLineSource(vs::audio::Line::Synth, std::make_shared<Hum>()));
    vs::audio::processEngine().setLineGain(vs::audio::Line::Wave, 0.5f);
    vs::audio::processEngine().setLineGain(vs::audio::Line::Synth, 0.4f);
    vs::audio::processEngine().setMasterGain(0.5f);
    render(1024); // let the gains glide
    const auto out = render(44100);
    const auto fit = fitSine(channelOf(out, 0), 1000, 44100);
    EXPECT_NEAR(fit.amplitude, kToneAmp * 0.25, 1e-4);
    EXPECT_NEAR(fit.dc, 0.25 * 0.4 * 0.5, 1e-4);
    EXPECT_NEAR(rms(channelOf(out, 1)), 0.05, 1e-4); // the hum alone on the right

    vs::audio::processEngine().setLineGain(vs::audio::Line::Synth, 1);
    ASSERT_TRUE(vs::audio::processEngine().setLineSource(vs::audio::Line::Synth, nullptr));
    vs::audio::processEngine().setMasterGain(0);
    render(1024);
    EXPECT_EQ(peak(render(4410)), 0.0);
    EXPECT_FALSE(
        vs::audio::processEngine().setLineSource(vs::audio::Line::Wave, std::make_shared<Hum>()));
}

TEST_F(OfflineEngine, OneShotPlaysOutAndLoopingNeverDoes) {
    const auto sample = loadTone(rutasOndas().left);
    const auto loop = BASS_SamplePlayEx(sample, 0, 88200, 100, 0, 1);
    render(44100);
    EXPECT_EQ(BASS_ChannelIsActive(loop), vs::audio::kPlaying);
    BASS_SampleStop(sample);

    // Half the file from the middle, at double speed: a quarter second.
    const auto once = BASS_SamplePlayEx(sample, 88200, 88200, 100, 0, 0);
    ASSERT_NE(once, 0u);
    EXPECT_EQ(BASS_ChannelIsActive(once), vs::audio::kPlaying);
    auto out = channelOf(render(11000), 0);
    EXPECT_EQ(BASS_ChannelIsActive(once), vs::audio::kPlaying);
    EXPECT_GT(peak(out), 0.9);
    out = channelOf(render(2000), 0);
    EXPECT_EQ(BASS_ChannelIsActive(once), vs::audio::kInactive);
    EXPECT_EQ(peak(std::vector<float>(out.begin() + 100, out.end())), 0.0);
    EXPECT_EQ(BASS_ChannelSetAttributes(once, 9000, -1, -101), 0u);
    EXPECT_EQ(BASS_SamplePlayEx(sample, 176400, -1, -1, -101, 0), 0u); // past the end
}

TEST_F(OfflineEngine, PausedPlaybackHoldsItsPlace) {
    const auto sample = loadTone(rutasOndas().left);
    const auto ch = BASS_SamplePlayEx(sample, 0, 8820, 100, 0, 1);
    const auto a = channelOf(render(5000), 0);
    ASSERT_NE(BASS_ChannelPause(ch), 0u);
    EXPECT_EQ(BASS_ChannelIsActive(ch), vs::audio::kPaused);
    EXPECT_EQ(peak(render(3000)), 0.0);
    ASSERT_NE(BASS_ChannelResume(ch), 0u);
    auto b = channelOf(render(5000), 0);
    auto joined = a;
    joined.insert(joined.end(), b.begin(), b.end());
    EXPECT_LE(largestStep(joined), kToneAmp * 2 * std::sin(M_PI * 200 / 44100) * 1.01);
    BASS_ChannelStop(ch);
    EXPECT_EQ(BASS_ChannelResume(ch), 0u);
    EXPECT_EQ(BASS_ChannelIsActive(ch), vs::audio::kInactive);
}

TEST_F(OfflineEngine, PlaybackLimitTakesOverTheOldestOrRefuses) {
    const auto over = loadTone(rutasOndas().left);
    const auto first = BASS_SamplePlayEx(over, 0, 44100, 100, 0, 1);
    const auto second = BASS_SamplePlayEx(over, 0, 22050, 100, 0, 1);
    ASSERT_NE(second, 0u);
    EXPECT_NE(first, second);
    EXPECT_EQ(BASS_ChannelIsActive(first), vs::audio::kInactive);
    EXPECT_NEAR(toneFrequency(channelOf(render(44100), 0), 44100), 500, 0.01);

    const auto strict = BASS_SampleLoad(0, rutasOndas().right.c_str(), 0, 0, 1, 0);
    ASSERT_NE(BASS_SamplePlayEx(strict, 0, -1, -1, -101, 1), 0u);
    EXPECT_EQ(BASS_SamplePlayEx(strict, 0, -1, -1, -101, 1), 0u);
}

TEST_F(OfflineEngine, HandlesAreCheckedAndNeverZero) {
    const auto sample = loadTone(rutasOndas().left);
    const auto ch = BASS_SamplePlayEx(sample, 0, -1, -1, -101, 1);
    ASSERT_NE(ch, 0u);
    std::int32_t rate = 0, vol = 0, pan = 7;
    EXPECT_EQ(BASS_ChannelGetAttributes(ch, &rate, &vol, &pan), 44100u);
    EXPECT_EQ(rate, 44100);
    EXPECT_EQ(vol, 100);
    EXPECT_EQ(pan, 0);
    EXPECT_EQ(BASS_ChannelGetFlags(ch), vs::audio::kChannelLoop);
    // A sample handle is not a channel, and the CD's channel 0 has no CD here.
    EXPECT_EQ(BASS_ChannelIsActive(sample), vs::audio::kInactive);
    EXPECT_EQ(BASS_ChannelIsActive(0), vs::audio::kInactive);
    EXPECT_EQ(BASS_ChannelGetAttributes(0, &rate, nullptr, nullptr), 0u);
    EXPECT_EQ(BASS_StreamGetLength(ch), vs::audio::kNotAStream);
    EXPECT_EQ(BASS_MusicGetLength(ch, 1), 0u);
    ASSERT_NE(BASS_SampleFree(sample), 0u);
    EXPECT_EQ(BASS_ChannelIsActive(ch), vs::audio::kInactive);
    EXPECT_EQ(BASS_SampleFree(sample), 0u);
    EXPECT_EQ(BASS_SamplePlayEx(sample, 0, -1, -1, -101, 1), 0u);
    EXPECT_EQ(BASS_SampleLoad(0, dir.file("missing.wav").c_str(), 0, 0, 1, 0), 0u);
    // A reused slot gets a new handle: the old one stays dead.
    const auto again = loadTone(rutasOndas().left);
    EXPECT_NE(again, sample);
    EXPECT_EQ(BASS_SampleStop(sample), 0u);
    EXPECT_NE(BASS_SampleStop(again), 0u);
}

TEST_F(OfflineEngine, ManyLoadsAndFreesWhileMixingStayBounded) {
    // What every Play does: reload all three files. Memory of freed samples is
    // reclaimed once the mixer has moved past them.
    for (int i = 0; i < 300; ++i) {
        const auto s = loadTone(rutasOndas().mask);
        ASSERT_NE(s, 0u) << i;
        BASS_SamplePlayEx(s, 0, -1, 10, -101, 1);
        render(64);
        BASS_SampleFree(s);
    }
    EXPECT_EQ(peak(render(512)), 0.0);
}
