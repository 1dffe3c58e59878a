// SPDX-License-Identifier: GPL-3.0-or-later
// The coloured noises measured on their samples: spectral slope by octave
// bands, the loop's seam, the level against the original masking wave, and
// the file's format; and the transform they are made with, against its
// definition.
#include "playback/fourier.h"
#include "playback/noise_colours.h"
#include "playback/session_render.h"
#include "playback/tone_waves.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstring>
#include <numbers>
#include <numeric>
#include <random>

using namespace vs::playback;
using Complex = std::complex<double>;

namespace {

std::vector<double> channelOf(const std::vector<std::int16_t>& interleaved, int c) {
    std::vector<double> x(interleaved.size() / 2);
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] = interleaved[2 * i + std::size_t(c)];
    return x;
}

double rmsAboutMean(const std::vector<double>& x) {
    const double mean = std::accumulate(x.begin(), x.end(), 0.0) / double(x.size());
    const double square = std::accumulate(x.begin(), x.end(), 0.0, [mean](double sum, double v) {
        return sum + (v - mean) * (v - mean);
    });
    return std::sqrt(square / double(x.size()));
}

// The spectral slope in dB per octave: the mean power density of five octave
// bands from 156.25 Hz to 5 kHz, fitted by a straight line.
double slopeDbPerOctave(const std::vector<double>& x) {
    std::vector<Complex> in(x.begin(), x.end());
    const std::vector<Complex> spectrum = fourier(in);
    const double binHz = double(kWaveRate) / double(x.size());
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    constexpr int kBands = 5;
    for (int b = 0; b < kBands; ++b) {
        const double lo = 5000 / std::pow(2.0, kBands - b), hi = 2 * lo;
        double power = 0;
        int bins = 0;
        for (auto k = std::size_t(std::ceil(lo / binHz)); double(k) * binHz < hi; ++k, ++bins)
            power += std::norm(spectrum[k]);
        const double db = 10 * std::log10(power / bins);
        sx += b;
        sy += db;
        sxx += double(b) * b;
        sxy += b * db;
    }
    return (kBands * sxy - sx * sy) / (kBands * sxx - sx * sx);
}

double stepRms(const std::vector<double>& x) {
    double square = 0;
    for (std::size_t i = 1; i < x.size(); ++i)
        square += (x[i] - x[i - 1]) * (x[i] - x[i - 1]);
    return std::sqrt(square / double(x.size() - 1));
}

// The loop's seam against the steps within it: a seam no larger than three
// typical steps is one of them.
double seamInSteps(const std::vector<double>& x) {
    return std::abs(x.front() - x.back()) / stepRms(x);
}

const char* nameOf(NoiseColour c) {
    return c == NoiseColour::Pink ? "rosa" : "marrón";
}

} // namespace

TEST(Fourier, AgreesWithTheDefinitionAtEveryLength) {
    std::mt19937 g(3);
    std::normal_distribution<double> d;
    for (const std::size_t n : {1u, 2u, 7u, 12u, 30u, 286u, 840u, 1009u}) {
        std::vector<Complex> x(n);
        for (Complex& v : x)
            v = {d(g), d(g)};
        const std::vector<Complex> X = fourier(x);
        double worst = 0;
        for (std::size_t k = 0; k < n; ++k) {
            Complex want = 0;
            for (std::size_t j = 0; j < n; ++j)
                want +=
                    x[j] * std::polar(1.0, -2 * std::numbers::pi * double(j * k % n) / double(n));
            worst = std::max(worst, std::abs(X[k] - want));
        }
        EXPECT_LT(worst, 1e-9 * double(n)) << n;
        const std::vector<Complex> back = fourier(X, FourierDirection::Inverse);
        for (std::size_t j = 0; j < n; ++j)
            ASSERT_LT(std::abs(back[j] - x[j]), 1e-9) << n;
    }
}

TEST(NoiseColours, FallByTheirSlopeAndLoopWithoutASeam) {
    struct Case {
        NoiseColour colour;
        double slope, tolerance; // dB per octave
    };
    for (const Case c : {Case{NoiseColour::Pink, -3, 1}, Case{NoiseColour::Brown, -6, 1.5}}) {
        const NoiseWave w = colouredNoise(c.colour);
        ASSERT_EQ(w.samples.size(), 2u * kWaveFrames);
        for (int ch = 0; ch < 2; ++ch) {
            const std::vector<double> x = channelOf(w.samples, ch);
            const double slope = slopeDbPerOctave(x);
            EXPECT_NEAR(slope, c.slope, c.tolerance) << nameOf(c.colour) << ", channel " << ch;
            EXPECT_LE(seamInSteps(x), 3) << nameOf(c.colour) << ", channel " << ch;
            std::cout << nameOf(c.colour) << " channel " << ch << ": " << slope
                      << " dB/octave, seam " << seamInSteps(x) << " typical steps, RMS "
                      << w.rms[ch] << ", peak " << w.peak << ", largest step " << w.largestStep
                      << "\n";
        }
        // The same second cut short does not loop: its seam stands out.
        const std::vector<double> x = channelOf(w.samples, 0);
        const std::vector<double> cut(x.begin(), x.end() - 1000);
        if (c.colour == NoiseColour::Brown) {
            EXPECT_GT(seamInSteps(cut), 3);
        }
    }
}

TEST(NoiseColours, HaveTheOriginalsLevelAndFormat) {
    const std::string original = waveFileBytes("OndaM", 0, kRenderNoiseSeed);
    ASSERT_EQ(original.size(), std::size_t(kWaveFileSize));
    std::vector<std::int16_t> originalSamples(2 * kWaveFrames);
    for (std::size_t i = 0; i < originalSamples.size(); ++i)
        originalSamples[i] = std::int16_t(std::uint8_t(original[44 + 2 * i]) |
                                          std::uint8_t(original[45 + 2 * i]) << 8);
    for (int ch = 0; ch < 2; ++ch)
        EXPECT_NEAR(rmsAboutMean(channelOf(originalSamples, ch)), originalNoiseRms(),
                    0.005 * originalNoiseRms());

    vs::test::TempDir dir;
    for (const NoiseColour c : {NoiseColour::Pink, NoiseColour::Brown}) {
        const NoiseWave w = colouredNoise(c);
        EXPECT_FALSE(w.fitted) << nameOf(c);
        EXPECT_LT(w.peak, 32767) << nameOf(c);
        const std::vector<double> left = channelOf(w.samples, 0), right = channelOf(w.samples, 1);
        for (const auto* x : {&left, &right})
            EXPECT_NEAR(rmsAboutMean(*x), originalNoiseRms(), 0.002 * originalNoiseRms())
                << nameOf(c);
        // Two channels of their own, as the original's.
        double lr = 0;
        for (std::size_t i = 0; i < left.size(); ++i)
            lr += left[i] * right[i];
        EXPECT_LT(std::abs(lr / double(left.size())) / (w.rms[0] * w.rms[1]), 0.05) << nameOf(c);

        // The file: OndaM's header, these samples, the same at every start.
        ASSERT_TRUE(writeNoiseWave(dir.path(), c));
        const std::string file = vs::test::readFile(dir.file(noiseWaveName(c) + ".wav"));
        ASSERT_EQ(file.size(), original.size()) << nameOf(c);
        EXPECT_EQ(file.substr(0, 44), original.substr(0, 44)) << nameOf(c);
        EXPECT_EQ(file, colouredNoiseFileBytes(c)) << nameOf(c);
        EXPECT_EQ(std::memcmp(file.data() + 44, w.samples.data(), 2 * w.samples.size()), 0);
        EXPECT_NE(colouredNoise(c, kNoiseColourSeed + 1).samples, w.samples) << nameOf(c);
    }
    EXPECT_FALSE(writeNoiseWave(dir.path(), NoiseColour::Original));
}
