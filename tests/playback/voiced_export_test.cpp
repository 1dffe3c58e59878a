// SPDX-License-Identifier: GPL-3.0-or-later
// An export carries the sound's voicing: the pulse type, the exchange of the
// channels and the mask's colour, each judged on the rendered frames against
// the same export without it; and the verification as it stands takes every
// pulse type to its end.
#include "../audio/tone_analysis.h"
#include "playback/render_analysis.h"
#include "playback/session_render.h"
#include "session/session_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace vs;
using namespace vs::playback;

namespace {

constexpr int kRate = 44100;

// Every frame rendered, and the verification of them.
struct Collected : FrameSink {
    explicit Collected(const session::SessionModel& model, const ExportOptions& o)
        : analyser(model, o) {}
    std::vector<float> frames;
    RenderAnalyser analyser;
    bool write(const float* x, int n) override {
        frames.insert(frames.end(), x, x + 2 * n);
        return analyser.write(x, n);
    }
};

struct VoicedExport : ::testing::Test {
    session::SessionModel model;
    ExportOptions options;
    void SetUp() override {
        model.SesionNueva();
        model.setMinutos(0);
        model.setSegundos(6);
        options.volumenBinaural = 100;
        options.ultimosSegundos = 0;
    }
    std::unique_ptr<Collected> render(const ExportOptions& o) {
        auto sink = std::make_unique<Collected>(model, o);
        SessionRenderer renderer(model, o);
        EXPECT_EQ(renderer.run(*sink).status, RenderStatus::Complete);
        sink->analyser.finish();
        return sink;
    }
    // Seconds 1..5 of a channel.
    static std::vector<float> steady(const std::vector<float>& x, int c) {
        const auto ch = test::channelOf(x, c);
        return {ch.begin() + kRate, ch.begin() + 5 * kRate};
    }
};

} // namespace

TEST_F(VoicedExport, EachChoiceIsHeardInTheFile) {
    const auto plain = render(options);
    const double base = rateFor(model.baseAt(2000)) / 44.1;
    const double right = rateFor(model.baseAt(2000) + model.binauralAt(2000)) / 44.1;
    const double full = 0.1 * 32760.0 / 32768.0; // the bar at its top: engine volume 10

    ExportOptions o = options;
    o.sound.pulse = PulseType::Monaural;
    auto r = render(o);
    EXPECT_TRUE(test::channelOf(r->frames, 0) == test::channelOf(r->frames, 1));
    for (double f : {base, right})
        EXPECT_NEAR(test::fitSine(steady(r->frames, 0), f, kRate).amplitude, full / 2, full * 0.01);

    o.sound.pulse = PulseType::Isochronic;
    r = render(o);
    EXPECT_TRUE(test::channelOf(r->frames, 0) == test::channelOf(r->frames, 1));
    // The base tone alone, switched off between pulses.
    const auto pulsed = steady(r->frames, 0);
    EXPECT_NEAR(test::peak(pulsed), full, full * 0.01);
    std::size_t silent = 0;
    for (std::size_t i = 0; i + 441 <= pulsed.size(); i += 441)
        silent += test::peak({pulsed.begin() + std::ptrdiff_t(i),
                              pulsed.begin() + std::ptrdiff_t(i + 441)}) < 1e-6;
    EXPECT_GT(silent, pulsed.size() / 441 / 4);

    o = options;
    o.sound.swapChannels = true;
    r = render(o);
    EXPECT_TRUE(test::channelOf(r->frames, 0) == test::channelOf(plain->frames, 1));
    EXPECT_TRUE(test::channelOf(r->frames, 1) == test::channelOf(plain->frames, 0));

    o = options;
    o.binaural = false;
    o.mascara = true;
    o.volumenMascara = 100;
    o.sound.noise = NoiseColour::Brown;
    r = render(o);
    const NoiseWave brown = colouredNoise(NoiseColour::Brown);
    double worst = 0;
    // The mask starts with the first tick, half a second in.
    for (std::size_t i = kRate; i < r->frames.size(); ++i)
        worst =
            std::max(worst, std::fabs(r->frames[i] -
                                      0.1 * brown.samples[(i - kRate) % (2 * kRate)] / 32768.0));
    EXPECT_LT(worst, 1e-6);
    // The verification's allowance for the mask's steps is the colour's own.
    EXPECT_EQ(r->analyser.report().clicks, 0);
    EXPECT_NEAR(maskPeakFor(o), 0.1 * std::max(brown.peak, brown.largestStep) / 32768.0, 1e-9);
}

TEST_F(VoicedExport, TheVerificationTakesEveryPulseTypeToItsEnd) {
    for (PulseType p : {PulseType::Binaural, PulseType::Monaural, PulseType::Isochronic}) {
        ExportOptions o = options;
        o.sound.pulse = p;
        o.mascara = true;
        o.sound.noise = NoiseColour::Pink;
        const auto r = render(o);
        const VerificationReport& v = r->analyser.report();
        EXPECT_EQ(v.seconds.size(), 6u) << int(p);
        EXPECT_EQ(v.frames, 6 * kRate) << int(p);
        EXPECT_EQ(v.clicks, 0) << int(p);
        EXPECT_FALSE(v.verdict().empty()) << int(p);
    }
}
