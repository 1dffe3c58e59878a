// SPDX-License-Identifier: GPL-3.0-or-later
// The isochronic envelope measured on its gains: the rate read back from the
// half-height crossings follows what was asked second by second, a new rate
// bends the train without a jump in phase or gain, switching on and off
// glides, and the edges and duty cycle are what the rule says.
#include "audio/pulse_envelope.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

using namespace vs::audio;

namespace {

constexpr int kRate = 44100;
constexpr int kBlock = 256; // the mixer's block: the rate changes between blocks

// The crossings of half height, each placed by linear interpolation (the
// middle of an edge is nearly straight); consecutive ones are half a cycle apart.
std::vector<double> crossings(const std::vector<float>& g) {
    std::vector<double> t;
    for (std::size_t i = 1; i < g.size(); ++i)
        if ((g[i - 1] < 0.5f) != (g[i] < 0.5f))
            t.push_back((double(i - 1) + (0.5 - g[i - 1]) / (g[i] - g[i - 1])) / kRate);
    return t;
}

// The envelope's phase in cycles at `t`, by the parabola through the three
// crossings around it (exact while the rate moves in a straight line).
double phaseAt(const std::vector<double>& c, double t) {
    const auto after = std::size_t(std::upper_bound(c.begin(), c.end(), t) - c.begin());
    const std::size_t j = std::clamp<std::size_t>(after, 1, c.size() - 2) - 1;
    double sum = 0;
    for (std::size_t a = j; a < j + 3; ++a) {
        double weight = 1;
        for (std::size_t b = j; b < j + 3; ++b)
            if (b != a) weight *= (t - c[b]) / (c[a] - c[b]);
        sum += weight * double(a) / 2;
    }
    return sum;
}

// The largest slope (gain per frame) of an edge at `rateHz`.
double edgeSlope(double rateHz) {
    return std::numbers::pi / (2 * pulseEdgeSeconds(rateHz) * kRate);
}

// The same across a change of rate: an edge under way keeps its length in
// periods, so it may finish at the new rate with the old length.
double edgeSlope(double fromHz, double toHz) {
    const double periods =
        std::min(pulseEdgeSeconds(fromHz) * fromHz, pulseEdgeSeconds(toHz) * toHz);
    return std::numbers::pi * std::max(fromHz, toHz) / (2 * periods * kRate);
}

double largestStep(const std::vector<float>& g) {
    double most = 0;
    for (std::size_t i = 1; i < g.size(); ++i)
        most = std::max(most, double(std::abs(g[i] - g[i - 1])));
    return most;
}

struct Render {
    std::vector<float> gains;
    std::vector<double> askedCycles; // per whole second
};

// Gains of an envelope started pulsing at rate(0), set to rate(t) before every block.
Render render(double seconds, const std::function<double(double)>& rate) {
    Render r;
    const auto frames = std::size_t(seconds * kRate);
    r.gains.resize(frames);
    r.askedCycles.assign(std::size_t(seconds) + 1, 0);
    PulseEnvelope e(kRate);
    e.start({rate(0), true});
    for (std::size_t at = 0; at < frames; at += kBlock) {
        const double hz = rate(double(at) / kRate);
        e.set({hz, true});
        const int n = int(std::min<std::size_t>(kBlock, frames - at));
        e.gains(r.gains.data() + at, n);
        for (int i = 0; i < n; ++i)
            r.askedCycles[(at + std::size_t(i)) / kRate] += hz / kRate;
    }
    return r;
}

} // namespace

TEST(PulseEnvelope, TheRateFollowsARampSecondBySecond) {
    struct Ramp {
        double from, to;
    };
    for (const Ramp ramp : {Ramp{0.5, 30}, Ramp{30, 0.5}}) {
        constexpr double kSeconds = 40;
        const Render r = render(
            kSeconds, [&](double t) { return ramp.from + (ramp.to - ramp.from) * t / kSeconds; });
        const std::vector<double> c = crossings(r.gains);
        ASSERT_GT(c.size(), 100u);
        double worst = 0;
        int checked = 0;
        for (int s = 0; s + 1 < int(kSeconds); ++s) {
            if (s < c.front() || s + 1 > c.back()) continue;
            const double measured = phaseAt(c, s + 1) - phaseAt(c, s);
            worst = std::max(worst, std::abs(measured - r.askedCycles[std::size_t(s)]));
            ++checked;
        }
        EXPECT_GE(checked, 36);
        EXPECT_LE(worst, 0.05) << ramp.from << " to " << ramp.to << " Hz";
        std::cout << "ramp " << ramp.from << " -> " << ramp.to << " Hz: largest error " << worst
                  << " Hz over " << checked << " s\n";
    }
}

TEST(PulseEnvelope, ANewRateBendsTheTrainWithoutAJump) {
    struct Step {
        double from, to;
        double phase; // where in the cycle the rate changes
    };
    // Inside a rise, a fall and a plateau; above 62.5 Hz the edge length
    // itself changes (2 ms, then a quarter period), and must wait for a plateau.
    for (const Step s : {Step{4, 12, 0.02}, Step{12, 4, 0.5}, Step{30, 0.5, 0.3},
                         Step{0.5, 30, 0.55}, Step{100, 200, 0.03}, Step{200, 70, 0.52}}) {
        const double start = 1 - pulseEdgeSeconds(s.from) * s.from / 2;
        const auto at = std::size_t(std::lround((3 + s.phase - start) * kRate / s.from));
        const std::size_t frames = at + std::size_t(4 * kRate / s.to) + kRate / 10;
        std::vector<float> g(frames);
        PulseEnvelope e(kRate);
        e.start({s.from, true});
        e.gains(g.data(), int(at));
        e.set({s.to, true});
        e.gains(g.data() + at, int(frames - at));

        // The phase just before the change, carried on from the last crossing
        // at the old rate, and just after, carried back from the first crossing
        // at the new one.
        const std::vector<double> c = crossings(g);
        const double tAt = double(at) / kRate;
        const auto first = std::size_t(std::upper_bound(c.begin(), c.end(), tAt) - c.begin());
        ASSERT_GE(first, 1u);
        ASSERT_LT(first, c.size());
        const double before = double(first - 1) / 2 + s.from * (tAt - c[first - 1]);
        const double after = double(first) / 2 - s.to * (c[first] - tAt);
        EXPECT_NEAR(before, after, 1e-3) << s.from << " -> " << s.to << " Hz";
        EXPECT_LE(largestStep(g), edgeSlope(s.from, s.to) * 1.001)
            << s.from << " -> " << s.to << " Hz";
    }
}

TEST(PulseEnvelope, APulsedToneStepsNoFurtherThanTheSteadyOne) {
    // The lowest carrier the rule promises this for: 0.35 / edge length.
    for (const double rate : {1.0, 4.0, 30.0, 62.5, 100.0, 200.0}) {
        const double carrier = 0.35 / pulseEdgeSeconds(rate);
        const auto frames = std::size_t(std::max(2.0, 4 / rate) * kRate);
        const std::vector<float> g = pulseGains(rate, frames, kRate);
        std::vector<float> tone(frames);
        for (std::size_t i = 0; i < frames; ++i)
            tone[i] =
                float(std::sin(2 * std::numbers::pi * carrier * double(i) / kRate + 1)) * g[i];
        EXPECT_LE(largestStep(tone), 2 * std::numbers::pi * carrier / kRate * 1.001)
            << carrier << " Hz pulsed at " << rate << " Hz";
    }
}

TEST(PulseEnvelope, SwitchingOnAndOffGlides) {
    const int glide = int(std::ceil(PulseEnvelope::kGlideSeconds * kRate));
    for (const double rate : {0.5, 10.0, 30.0}) {
        for (const double when : {0.13, 0.31, 0.62}) {
            const std::size_t on = std::size_t(when * kRate), off = on + kRate;
            const std::size_t frames = off + 2 * std::size_t(glide);
            std::vector<float> g(frames);
            PulseEnvelope e(kRate);
            e.start({rate, false});
            e.gains(g.data(), int(on));
            e.set({rate, true});
            e.gains(g.data() + on, int(off - on));
            e.set({rate, false});
            e.gains(g.data() + off, int(frames - off));

            const std::vector<float> train = pulseGains(rate, frames, kRate);
            EXPECT_LE(largestStep(g),
                      1.0 / (PulseEnvelope::kGlideSeconds * kRate) + edgeSlope(rate) + 1e-6);
            for (std::size_t i = 0; i < frames; ++i) {
                const float want = i < on || i >= off + std::size_t(glide)   ? 1.0f
                                   : i >= on + std::size_t(glide) && i < off ? train[i]
                                                                             : g[i];
                ASSERT_NEAR(g[i], want, 1e-6) << rate << " Hz, frame " << i;
            }
        }
    }
}

TEST(PulseEnvelope, EdgesAndDutyCycleFollowTheRule) {
    struct Case {
        double rate;
        double edgeSeconds;
    };
    for (const Case c : {Case{0.5, 0.25}, Case{4, 1 / 32.0}, Case{30, 1 / 240.0}, Case{62.5, 0.002},
                         Case{100, 0.002}, Case{200, 0.00125}}) {
        EXPECT_DOUBLE_EQ(pulseEdgeSeconds(c.rate), c.edgeSeconds);
        const std::size_t frames = std::size_t(std::max(4.0, 20 / c.rate) * kRate);
        const std::vector<float> g = pulseGains(c.rate, frames, kRate);
        // Each rise, from the last silent frame to the first full one.
        std::size_t lastZero = 0, rises = 0;
        double shortest = 1e9, longest = 0;
        for (std::size_t i = 1; i < frames; ++i) {
            if (g[i] == 0.0f) lastZero = i;
            if (g[i] == 1.0f && g[i - 1] < 1.0f && lastZero > 0) {
                shortest = std::min(shortest, double(i - lastZero));
                longest = std::max(longest, double(i - lastZero));
                ++rises;
            }
        }
        ASSERT_GE(rises, 2u) << c.rate;
        EXPECT_NEAR(shortest, c.edgeSeconds * kRate, 2) << c.rate << " Hz";
        EXPECT_NEAR(longest, c.edgeSeconds * kRate, 2) << c.rate << " Hz";
        // Over whole cycles, half the time at or above half height.
        const auto whole =
            std::size_t(std::floor(double(frames) * c.rate / kRate) * kRate / c.rate);
        const auto high = std::count_if(g.begin(), g.begin() + std::ptrdiff_t(whole),
                                        [](float v) { return v >= 0.5f; });
        EXPECT_NEAR(double(high) / double(whole), 0.5, 2.0 * c.rate / kRate + 1e-4) << c.rate;
    }
}

TEST(PulseEnvelope, ASteadyEnvelopeLeavesTheVoiceUntouched) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<float> block(2 * kBlock);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = float(std::sin(0.1 * double(i)));
    for (const PulseSettings s :
         {PulseSettings{10, false}, PulseSettings{0, true}, PulseSettings{nan, true},
          PulseSettings{-3, true}, PulseSettings{0.05, true}}) {
        PulseEnvelope e(kRate);
        e.start(s);
        std::vector<float> x = block;
        e.apply(x.data(), kBlock, 2);
        EXPECT_EQ(x, block) << s.rateHz << (s.on ? " on" : " off");
    }
    // A rate falling below the steady floor glides back to a steady 1.
    PulseEnvelope e(kRate);
    e.start({10, true});
    std::vector<float> g(kRate / 2);
    e.gains(g.data(), kRate / 4);
    e.set({0.05, true});
    e.gains(g.data() + kRate / 4, kRate / 4);
    EXPECT_TRUE(e.steady());
    EXPECT_EQ(g.back(), 1.0f);
}
