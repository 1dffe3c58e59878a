// SPDX-License-Identifier: GPL-3.0-or-later
// How the engine voices what it plays, measured on its output: a voice in
// both ears and pulsed, left and right exchanged at the output, and the
// output moved to another device with everything playing on.
#include "audio/engine.h"
#include "audio/light_signal.h"
#include "audio/pulse_envelope.h"
#include "cranked_output.h"
#include "playback/tone_waves.h"
#include "temp_dir.h"
#include "tone_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

using namespace vs::audio;
using vs::test::channelOf;
using vs::test::CrankedOutput;

namespace {

constexpr int kRate = 44100;
constexpr double kTonePeak = 32760.0 / 32768.0;

struct Voicing : ::testing::Test {
    vs::test::TempDir dir;
    vs::playback::WavePaths waves;
    void SetUp() override {
        ASSERT_TRUE(vs::playback::writeWaves(dir.path(), 1));
        waves = vs::playback::wavePathsIn(dir.path());
    }
    // One voice of `path` on `e`, looping: 200 Hz from the 1000 Hz files.
    static VoiceId tone(Engine& e, const std::string& path, PlayParams p = {}) {
        const SampleId s = e.loadSample(path, {}, 1);
        p.rate = Rate::hz(8820);
        p.loop = true;
        return e.play(s, p);
    }
    static std::vector<float> render(Engine& e, int frames) {
        std::vector<float> out(2 * std::size_t(frames));
        e.renderOffline(out.data(), frames);
        return out;
    }
};

struct CrankedDevices : Voicing {
    void SetUp() override {
        Voicing::SetUp();
        CrankedOutput::reset();
        setOutputFactory([] { return std::make_unique<CrankedOutput>(); });
    }
    void TearDown() override {
        setOutputFactory(nullptr);
        CrankedOutput::reset();
    }
    static std::vector<float> crank(int frames) {
        std::vector<float> out(2 * std::size_t(frames));
        for (int at = 0; at < frames; at += 512)
            CrankedOutput::crank(&out[2 * std::size_t(at)], std::min(512, frames - at));
        return out;
    }
};

} // namespace

TEST_F(Voicing, ABothEarsVoiceSoundsInEachEarAndItsPulseIsTheEnvelopesOwn) {
    Engine e;
    ASSERT_TRUE(e.openOffline());
    const int frames = 3 * kRate;
    PlayParams both;
    both.bothEars = true;
    both.pulse = {6.5, true};
    tone(e, waves.left, both);
    const auto pulsed = render(e, frames);
    Engine steady;
    ASSERT_TRUE(steady.openOffline());
    tone(steady, waves.left);
    const auto plain = render(steady, frames);

    // The left file's tone in both ears, each sample the steady tone's times
    // the envelope's gain for that frame.
    const std::vector<float> gains = pulseGains(6.5, std::size_t(frames), kRate);
    double worst = 0;
    for (std::size_t i = 0; i < std::size_t(frames); ++i) {
        EXPECT_EQ(pulsed[2 * i], pulsed[2 * i + 1]);
        worst = std::max(worst, std::abs(double(pulsed[2 * i]) - plain[2 * i] * gains[i]));
    }
    EXPECT_LT(worst, 1e-6);
    EXPECT_EQ(vs::test::peak(channelOf(plain, 1)), 0.0); // unvoiced, it stays in its ear
}

TEST_F(Voicing, ExchangedChannelsSwapTheEarsWithoutAClickButNotTheLights) {
    Engine e;
    ASSERT_TRUE(e.openOffline());
    tone(e, waves.left);
    render(e, kRate / 2);
    e.setSwapChannels(true);
    EXPECT_TRUE(e.swapChannels());
    const auto swapped = render(e, kRate);
    const auto l = channelOf(swapped, 0), r = channelOf(swapped, 1);
    // After the one-block glide the left file's tone is in the right ear only.
    const std::vector<float> lAfter(l.begin() + 256, l.end()), rAfter(r.begin() + 256, r.end());
    EXPECT_EQ(vs::test::peak(lAfter), 0.0);
    EXPECT_NEAR(vs::test::fitSine(rAfter, 200, kRate).amplitude, kTonePeak, 1e-3);
    // Across the glide no step is larger than the tone's own and the
    // crossfade's slope together (a jump would be the whole level).
    const double toneStep = 2 * std::numbers::pi * 200 / kRate * kTonePeak;
    const double glideStep = std::hypot(toneStep, kTonePeak / 256);
    EXPECT_LE(vs::test::largestStep(l), glideStep * 1.01);
    EXPECT_LE(vs::test::largestStep(r), glideStep * 1.01);

    // The light signal keeps its eyes: LEDs 1-4 stay in the left channel.
    Engine lights;
    ASSERT_TRUE(lights.openOffline());
    lights.setSwapChannels(true);
    lights.setLightByte(0x0F);
    lights.setLightSignal(true);
    const auto lit = render(lights, kRate / 10);
    EXPECT_NEAR(vs::test::peak(channelOf(lit, 0)), LightSignal::amplitudeFor(4), 1e-3);
    EXPECT_EQ(vs::test::peak(channelOf(lit, 1)), 0.0);
}

TEST_F(CrankedDevices, ADeviceGoneMovesToTheDefaultAndTheVoicesPlayOn) {
    CrankedOutput::devices_ = {"Auriculares USB", "Altavoces"};
    EXPECT_EQ(Engine::outputDeviceNames(), CrankedOutput::devices_);
    Engine e;
    ASSERT_TRUE(e.openDevice("Auriculares USB"));
    EXPECT_EQ(e.deviceName(), "Auriculares USB");
    EXPECT_EQ(e.deviceChannels(), 2);
    const VoiceId v = tone(e, waves.left);
    auto out = crank(kRate / 2);
    EXPECT_EQ(e.keepDevice(), Engine::DeviceMove::None);

    // Unplugged: the next watch moves the output to the default device, still playing.
    CrankedOutput::devices_ = {"Altavoces"};
    EXPECT_EQ(e.keepDevice(), Engine::DeviceMove::ToDefault);
    EXPECT_EQ(CrankedOutput::opened, "");
    EXPECT_EQ(e.deviceName(), "");
    EXPECT_FALSE(CrankedOutput::paused);
    EXPECT_EQ(e.voiceState(v), PlayState::Playing);
    EXPECT_EQ(e.keepDevice(), Engine::DeviceMove::None);
    const auto after = crank(kRate / 2);
    out.insert(out.end(), after.begin(), after.end());
    // One unbroken tone across the move: the voice went on from where it was.
    const vs::test::SineFit fit = vs::test::fitSine(channelOf(out, 0), 200, kRate);
    EXPECT_NEAR(fit.amplitude, kTonePeak, 1e-3);
    EXPECT_LT(fit.thdnDb(), -80);
}

TEST_F(CrankedDevices, AMoveThatWillNotOpenGoesBackAndNoDeviceIsTriedAgain) {
    CrankedOutput::devices_ = {"Altavoces"};
    Engine e;
    ASSERT_TRUE(e.openDevice(1));
    EXPECT_EQ(e.deviceName(), "Altavoces");
    ASSERT_TRUE(e.pauseOutput());
    EXPECT_FALSE(e.moveToDevice("No está"));
    EXPECT_EQ(e.deviceName(), "Altavoces");
    EXPECT_TRUE(e.moveToDevice(""));
    EXPECT_TRUE(CrankedOutput::paused); // in the pause state it was in
    const VoiceId v = tone(e, waves.left);

    // The default goes too and nothing opens: nothing sounds, each watch tries again.
    ASSERT_TRUE(e.moveToDevice("Altavoces"));
    CrankedOutput::devices_.clear();
    CrankedOutput::opens = false;
    EXPECT_EQ(e.keepDevice(), Engine::DeviceMove::NoDevice);
    EXPECT_EQ(e.deviceChannels(), 0);
    EXPECT_EQ(e.keepDevice(), Engine::DeviceMove::NoDevice);
    CrankedOutput::opens = true;
    EXPECT_EQ(e.keepDevice(), Engine::DeviceMove::ToDefault);
    EXPECT_EQ(e.voiceState(v), PlayState::Playing);
}
