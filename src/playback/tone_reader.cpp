// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/tone_reader.h"

#include "audio/engine.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <optional>

namespace vs::playback {
namespace {

constexpr int kRate = audio::kMixRate;
constexpr int kBlocks = 10;
constexpr int kBlockFrames = kRate / kBlocks;
constexpr double kTwoPi = 2 * std::numbers::pi;
// Below this a tone is too weak to follow through the masking noise.
constexpr double kQuietestTone = 1e-4;

} // namespace

// The tone near `hz` in one second of one channel: each tenth is freed of
// its mean, Hann-windowed and correlated with a phasor at `hz` whose phase
// counts from the start of the second; the phase of that correlation drifts
// by 2 pi times the frequency error per second. Every tenth starts on a
// whole multiple of its length, so one table of window times phasor serves
// them all, each turned by its own start phase.
ToneReading readTone(const float* x, int frames, double hz, std::vector<float>& re,
                     std::vector<float>& im) {
    static const std::vector<double> window = [] {
        std::vector<double> w(kBlockFrames);
        for (int n = 0; n < kBlockFrames; ++n)
            w[std::size_t(n)] = 0.5 - 0.5 * std::cos(kTwoPi * (n + 0.5) / kBlockFrames);
        return w;
    }();
    constexpr double windowSum = kBlockFrames / 2.0;
    const double w = kTwoPi * hz / kRate;
    re.resize(kBlockFrames);
    im.resize(kBlockFrames);
    // The phasor by repeated turning (in double, the drift over a tenth is
    // far below float resolution), not by a sine and cosine per entry.
    const std::complex<double> turn = std::polar(1.0, -w);
    std::complex<double> z = 1;
    double sumRe = 0, sumIm = 0;
    for (int n = 0; n < kBlockFrames; ++n) {
        re[std::size_t(n)] = float(window[std::size_t(n)] * z.real());
        im[std::size_t(n)] = float(window[std::size_t(n)] * z.imag());
        sumRe += re[std::size_t(n)];
        sumIm += im[std::size_t(n)];
        z *= turn;
    }
    std::complex<double> sums[kBlocks];
    double levels[kBlocks] = {};
    bool clear[kBlocks] = {};
    const int blocks = std::min(kBlocks, frames / kBlockFrames);
    double loudest = 0;
    for (int b = 0; b < blocks; ++b) {
        const float* p = x + std::ptrdiff_t(b) * kBlockFrames;
        // Eight lanes of partial sums, so the compiler may use vector registers.
        constexpr int kLanes = 8;
        static_assert(kBlockFrames % 2 == 0);
        float lSum[kLanes] = {}, lSquare[kLanes] = {}, lRe[kLanes] = {}, lIm[kLanes] = {};
        int n = 0;
        for (; n + kLanes <= kBlockFrames; n += kLanes)
            for (int k = 0; k < kLanes; ++k) {
                const float v = p[n + k];
                lSum[k] += v;
                lSquare[k] += v * v;
                lRe[k] += v * re[std::size_t(n + k)];
                lIm[k] += v * im[std::size_t(n + k)];
            }
        double sum = 0, square = 0, accRe = 0, accIm = 0;
        for (; n < kBlockFrames; ++n) {
            sum += p[n];
            square += double(p[n]) * p[n];
            accRe += double(p[n]) * re[std::size_t(n)];
            accIm += double(p[n]) * im[std::size_t(n)];
        }
        for (int k = 0; k < kLanes; ++k) {
            sum += lSum[k];
            square += lSquare[k];
            accRe += lRe[k];
            accIm += lIm[k];
        }
        const double mean = sum / kBlockFrames;
        const double variance = std::max(0.0, square / kBlockFrames - mean * mean);
        const std::complex<double> acc =
            std::complex<double>(accRe - mean * sumRe, accIm - mean * sumIm) *
            std::polar(1.0, -w * double(b * kBlockFrames));
        sums[b] = acc;
        levels[b] = 2 * std::abs(acc) / windowSum;
        // Noise alone reaches about 0.04 of its own RMS here; a tone reaches
        // 0.7 of its RMS. Far above the one, so a tone is there.
        clear[b] = levels[b] >= kQuietestTone && levels[b] >= 0.3 * std::sqrt(variance);
        if (clear[b]) loudest = std::max(loudest, levels[b]);
    }
    ToneReading r;
    r.level = loudest;
    if (loudest < kQuietestTone) return r;
    // Weighted straight line through the unwrapped phases of the loud tenths.
    double sw = 0, st = 0, sp = 0, stt = 0, stp = 0;
    std::optional<double> previous;
    int used = 0;
    for (int b = 0; b < blocks; ++b) {
        if (!clear[b] || levels[b] < 0.25 * loudest) continue;
        double phase = std::arg(sums[b]);
        if (previous) phase += kTwoPi * std::round((*previous - phase) / kTwoPi);
        previous = phase;
        const double t = (b + 0.5) / kBlocks, wt = levels[b];
        sw += wt;
        st += wt * t;
        sp += wt * phase;
        stt += wt * t * t;
        stp += wt * t * phase;
        ++used;
    }
    if (used < 3) return r;
    const double slope = (sw * stp - st * sp) / (sw * stt - st * st);
    r.hz = hz + slope / kTwoPi;
    r.found = true;
    return r;
}

} // namespace vs::playback
