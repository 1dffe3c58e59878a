// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/noise_colours.h"

#include "base/file_replace.h"
#include "base/paths.h"
#include "playback/fourier.h"
#include "playback/tone_waves.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <random>

namespace vs::playback {
namespace {

// OndaM's samples are floor(u * 15240) for u uniform in [0, 1).
constexpr double kOriginalSteps = 15240;
constexpr int kHeaderBytes = 44;
constexpr double kLargest16 = 32767;

double uniform(std::mt19937_64& g) {
    return double(g() >> 11) * 0x1.0p-53;
}

// One channel of the colour, before scaling: each bin's amplitude falls as
// f^-exponent (power as f^-2 exponent), its phase drawn from `gen`.
std::vector<double> shapedChannel(double exponent, std::mt19937_64& gen) {
    const int n = kWaveFrames;
    std::vector<std::complex<double>> spectrum(static_cast<std::size_t>(n));
    for (int k = 1; 2 * k <= n; ++k) {
        const double hz = double(k) * kWaveRate / n;
        if (hz < kNoiseColourLowestHz) continue;
        const double amplitude = std::pow(hz, -exponent);
        const double phase = 2 * std::numbers::pi * uniform(gen);
        // The middle bin of an even length is its own mirror: real only.
        const auto bin = 2 * k == n ? std::complex<double>(amplitude * std::cos(phase), 0)
                                    : std::polar(amplitude, phase);
        spectrum[std::size_t(k)] = bin;
        spectrum[std::size_t(n - k)] = std::conj(bin);
    }
    const auto wave = fourier(spectrum, FourierDirection::Inverse);
    std::vector<double> x(wave.size());
    std::transform(wave.begin(), wave.end(), x.begin(), [](auto v) { return v.real(); });
    return x;
}

double rmsAboutMean(const std::vector<double>& x) {
    double sum = 0, square = 0;
    for (double v : x) {
        sum += v;
        square += v * v;
    }
    const double mean = sum / double(x.size());
    return std::sqrt(std::max(0.0, square / double(x.size()) - mean * mean));
}

} // namespace

std::string noiseWaveName(NoiseColour colour) {
    switch (colour) {
    case NoiseColour::Pink:
        return "OndaRosa";
    case NoiseColour::Brown:
        return "OndaMarron";
    case NoiseColour::Original:
        break;
    }
    return "OndaM";
}

double originalNoiseRms() {
    // Uniform over the whole steps 0 .. 15239.
    return std::sqrt((kOriginalSteps * kOriginalSteps - 1) / 12);
}

NoiseWave colouredNoise(NoiseColour colour, std::uint64_t seed) {
    NoiseWave w;
    if (colour == NoiseColour::Original) return w;
    const double exponent = colour == NoiseColour::Pink ? 0.5 : 1.0;
    std::mt19937_64 gen(seed);
    std::vector<double> channel[2];
    double scale[2], peak = 0;
    for (int c = 0; c < 2; ++c) {
        channel[c] = shapedChannel(exponent, gen);
        scale[c] = originalNoiseRms() / rmsAboutMean(channel[c]);
        for (double v : channel[c])
            peak = std::max(peak, std::abs(v * scale[c]));
    }
    if (peak > kLargest16) {
        w.fitted = true;
        for (double& s : scale)
            s *= kLargest16 / peak;
    }
    const std::size_t frames = channel[0].size();
    w.samples.resize(2 * frames);
    for (int c = 0; c < 2; ++c) {
        std::vector<double> rounded(frames);
        for (std::size_t i = 0; i < frames; ++i) {
            const auto v = std::int16_t(std::lround(channel[c][i] * scale[c]));
            w.samples[2 * i + std::size_t(c)] = v;
            rounded[i] = v;
            w.peak = std::max(w.peak, std::abs(int(v)));
            if (i > 0)
                w.largestStep =
                    std::max(w.largestStep, std::abs(v - w.samples[2 * (i - 1) + std::size_t(c)]));
        }
        // The seam: from the last frame back to the first.
        w.largestStep =
            std::max(w.largestStep, std::abs(int(w.samples[std::size_t(c)]) -
                                             w.samples[2 * (frames - 1) + std::size_t(c)]));
        w.rms[c] = rmsAboutMean(rounded);
    }
    return w;
}

std::string colouredNoiseFileBytes(NoiseColour colour, std::uint64_t seed) {
    const NoiseWave w = colouredNoise(colour, seed);
    if (w.samples.empty()) return {};
    // OndaM's own bytes give the header; the samples are put in place of its.
    std::string b = waveFileBytes("OndaM", 0, seed);
    if (b.size() != kHeaderBytes + 2 * w.samples.size()) return {};
    for (std::size_t i = 0; i < w.samples.size(); ++i) {
        const auto u = std::uint16_t(w.samples[i]);
        b[kHeaderBytes + 2 * i] = char(u & 0xFF);
        b[kHeaderBytes + 2 * i + 1] = char(u >> 8);
    }
    return b;
}

bool writeNoiseWave(const std::string& folder, NoiseColour colour) {
    const std::string bytes = colouredNoiseFileBytes(colour);
    if (bytes.empty()) return false;
    return replaceFileContents(joinPath(folder, noiseWaveName(colour) + ".wav"), bytes,
                               Durability::Scratch);
}

} // namespace vs::playback
