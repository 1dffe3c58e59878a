// SPDX-License-Identifier: GPL-3.0-or-later
// The lights carried in the sound, measured on the offline render with the
// two binaural tones playing: the 19,200 Hz carrier is in each channel while
// that eye's LEDs are lit, at its level, glides in and out without spreading
// into the audible band, and leaves the tones as they were.
#include "audio/bass.h"
#include "audio/light_signal.h"
#include "audio_fixture.h"
#include "tone_analysis.h"

#include <cmath>
#include <complex>

using namespace vs::test;
using vs::audio::LightSignal;
using vs::playback::rutasOndas;

namespace {

constexpr int kRate = 44100;
constexpr int kRateL = 8820, kRateR = 9261; // 200 Hz and 210 Hz: a 10 Hz beat
constexpr double kCarrier = LightSignal::kCarrierHz;

double db(double x) {
    return 20 * std::log10(x);
}

std::vector<float> slice(const std::vector<float>& x, int from, int to) {
    return {x.begin() + from, x.begin() + to};
}

// A byte held from a frame on.
struct Step {
    int frame;
    std::uint8_t byte;
};

class LightSignalRender : public OfflineEngine {
protected:
    // The tones from their start, the light following `steps`, `frames` long.
    std::vector<float> play(bool lightOn, const std::vector<Step>& steps, int frames) {
        const auto l = loadTone(rutasOndas().left), r = loadTone(rutasOndas().right);
        EXPECT_NE(BASS_SamplePlayEx(l, 0, kRateL, 50, -101, 1), 0u);
        EXPECT_NE(BASS_SamplePlayEx(r, 0, kRateR, 50, -101, 1), 0u);
        vs::audio::processEngine().setLightSignal(lightOn);
        std::vector<float> out(std::size_t(frames) * 2);
        int at = 0;
        for (std::size_t i = 0; i <= steps.size(); ++i) {
            const int until = i < steps.size() ? steps[i].frame : frames;
            if (until > at)
                vs::audio::processEngine().renderOffline(out.data() + 2 * at, until - at);
            at = until;
            if (i < steps.size()) vs::audio::processEngine().setLightByte(steps[i].byte);
        }
        BASS_SampleFree(l);
        BASS_SampleFree(r);
        vs::audio::processEngine().setLightByte(0);
        vs::audio::processEngine().setLightSignal(false);
        render(4096); // let the carrier glide out before the next render
        return out;
    }
    void TearDown() override {
        vs::audio::processEngine().setLightSignal(false);
        vs::audio::processEngine().setLightByte(0);
        OfflineEngine::TearDown();
    }
};

// Sequence 6 stepped at 7.21 Hz, then Stop: 15, 240, 15, 240, 0, with a
// mixed pattern (two LEDs per eye) at the end.
const std::vector<Step> kFlipFlop = {{4410, 15},   {10527, 240}, {16644, 15},
                                     {22761, 240}, {28878, 0},   {35000, 0x33}};
constexpr int kLength = 44100;

} // namespace

TEST_F(LightSignalRender, CarrierFollowsEachEyesLedsAtItsLevelAndOnlyThen) {
    const auto on = play(true, kFlipFlop, kLength);
    const auto off = play(false, kFlipFlop, kLength);
    const int ramp = LightSignal::kRampFrames;
    const double full = std::pow(10.0, LightSignal::kFullLevelDbfs / 20.0);
    for (int ch = 0; ch < 2; ++ch) {
        const auto withLight = channelOf(on, ch), without = channelOf(off, ch);
        // The render is linear below full scale: the difference is the carrier alone.
        std::vector<float> light(withLight.size());
        for (std::size_t k = 0; k < light.size(); ++k)
            light[k] = withLight[k] - without[k];
        EXPECT_LT(peak(withLight), 1.0) << "no clipping at the tones' default volume";

        for (std::size_t s = 0; s < kFlipFlop.size(); ++s) {
            const int from = kFlipFlop[s].frame;
            const int to = s + 1 < kFlipFlop.size() ? kFlipFlop[s + 1].frame : kLength;
            const std::uint8_t eye = ch == 0 ? kFlipFlop[s].byte & 0x0F : kFlipFlop[s].byte >> 4;
            const int lit = std::popcount(unsigned(eye));
            const auto steady = slice(light, from + ramp, to);
            if (lit == 0) {
                EXPECT_LT(peak(steady), 1e-6) << "ch " << ch << " step " << s;
                continue;
            }
            const auto fit = fitSine(steady, kCarrier, kRate);
            EXPECT_NEAR(db(fit.amplitude), db(full * lit / 4), 0.5) << "ch " << ch << " step " << s;
            EXPECT_LT(fit.thdnDb(), -60.0) << "a clean sine, ch " << ch;
        }
        // Nothing before the first byte, and the switch lands on its frame.
        EXPECT_LT(peak(slice(light, 0, kFlipFlop[0].frame)), 1e-6);
        // Option off: no trace of the carrier in the sound at all.
        EXPECT_LT(fitSine(slice(without, 4410, 28878), kCarrier, kRate).amplitude, 1e-4);
    }
}

TEST_F(LightSignalRender, TonesKeepTheirPitchAndPurity) {
    const auto on = play(true, kFlipFlop, kLength);
    const auto off = play(false, kFlipFlop, kLength);
    const double pitch[2] = {1000.0 * kRateL / kRate, 1000.0 * kRateR / kRate};
    for (int ch = 0; ch < 2; ++ch) {
        // A steady stretch of one byte, with the carrier fitted and taken out
        // so that what remains is judged as the tone. 4410 frames hold whole
        // periods of both tones and of the carrier, so neither fit leaks into
        // the other.
        auto withLight = slice(channelOf(on, ch), 10527 + 100, 10527 + 100 + 4410);
        const auto without = slice(channelOf(off, ch), 10527 + 100, 10527 + 100 + 4410);
        const auto carrier = fitSine(withLight, kCarrier, kRate);
        const double pi = std::acos(-1.0);
        for (std::size_t k = 0; k < withLight.size(); ++k)
            withLight[k] -= float(carrier.amplitude *
                                  std::sin(2 * pi * kCarrier * double(k) / kRate + carrier.phase));
        const auto a = fitSine(withLight, pitch[ch], kRate), b = fitSine(without, pitch[ch], kRate);
        EXPECT_NEAR(toneFrequency(withLight, kRate), pitch[ch], 0.05) << ch;
        EXPECT_NEAR(a.amplitude, b.amplitude, 1e-4) << ch;
        EXPECT_LT(a.thdnDb(), -85.0) << ch;
        EXPECT_NEAR(a.thdnDb(), b.thdnDb(), 1.0) << ch;
    }
}

TEST_F(LightSignalRender, SwitchingMakesNoClickInTheAudibleBand) {
    // One switch on and one off, each in the middle of a 4096-frame window.
    const std::vector<Step> steps = {{8192, 15}, {24576, 0}};
    const auto on = play(true, steps, 32768);
    const auto off = play(false, steps, 32768);
    const double pi = std::acos(-1.0);
    for (int centre : {8192, 24576}) {
        std::vector<double> x(4096);
        for (int k = 0; k < 4096; ++k) {
            const std::size_t i = std::size_t(centre - 2048 + k) * 2;
            x[std::size_t(k)] = (on[i] - off[i]) * (0.5 - 0.5 * std::cos(2 * pi * k / 4096));
        }
        auto magnitude = [&](double f) {
            std::complex<double> sum = 0;
            for (int k = 0; k < 4096; ++k)
                sum += x[std::size_t(k)] * std::polar(1.0, -2 * pi * f * k / kRate);
            return std::abs(sum);
        };
        const double carrier = magnitude(kCarrier);
        double worst = 0;
        for (double f = 100; f <= 15000; f += 100)
            worst = std::max(worst, magnitude(f));
        // A hard switch leaves -52 to -57 dB here; the 1 ms glide about -94 dB.
        EXPECT_LT(db(worst / carrier), -80.0) << "switch at " << centre;
    }
}

TEST_F(LightSignalRender, TheMastersFadeLeavesTheLightsAlone) {
    const std::vector<Step> lit = {{0, 255}};
    vs::audio::processEngine().setMasterGain(0.25f);
    const auto out = play(true, lit, 8192);
    const double full = std::pow(10.0, LightSignal::kFullLevelDbfs / 20.0);
    for (int ch = 0; ch < 2; ++ch)
        EXPECT_NEAR(db(fitSine(slice(channelOf(out, ch), 4096, 8192), kCarrier, kRate).amplitude),
                    db(full), 0.5);
}
