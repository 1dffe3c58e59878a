// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/tone_reader.h"

#include "audio/engine.h"
#include "playback/sample_kernels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vs::playback {
namespace {

constexpr int kRate = audio::kMixRate;
constexpr int kHop = ToneReader::kHop;
constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kStepSeconds = double(kHop) / kRate;
// The searched offsets, every half hertz: the long window's main lobe is
// four hertz wide, so the strongest sound in the band is never missed.
constexpr double kGridStepHz = 0.5;
constexpr int kGridPoints = int(2 * ToneReader::kSearchHz / kGridStepHz) + 1;

constexpr int kBlocksPerSecond = kRate / kHop;
static_assert(kRate % kHop == 0 && kHop % 4 == 0);

} // namespace

// How a second is read, in two stages.
//
// First, each channel turned down by the frequency expected there and summed
// in windows of two steps (19 ms), one window a step (105 a second): a
// triangle, whose response has double zeros at every multiple of the window
// rate, so what lies there does not fold onto the tone. Each step is summed
// once against the triangle's rising half and once against its falling
// half, and a window is one step's rising sum and the next one's falling.
//
// Second, on those 104 values a second: the one-second Hann window's
// spectrum on a half-hertz grid within the searched band, its peak refined
// by Newton's method on the power (a symmetric window's peak is the tone's
// frequency, whatever its level does within the second); the tone's
// complex amplitude; and, with the tone turned to a steady real value, the
// imaginary rest: the part of everything else that moves the tone's phase,
// which is what can move the reading. Its largest component within the band
// is the interference.
ToneReader::ToneReader()
    : riseRe_(2 * kHop), riseIm_(2 * kHop), fallRe_(2 * kHop), fallIm_(2 * kHop), carry_(2 * kHop),
      sums_(std::size_t(8 * kBlocksPerSecond)) {}

void ToneReader::prepareWindow(int outputs) {
    if (outputs == outputs_) return;
    outputs_ = outputs;
    window_.resize(std::size_t(outputs));
    times_.resize(std::size_t(outputs));
    windowSum_ = 0;
    const double middle = (outputs - 1) / 2.0;
    for (int m = 0; m < outputs; ++m) {
        const double x = m - middle;
        window_[std::size_t(m)] = 0.5 + 0.5 * std::cos(kTwoPi * x / outputs);
        times_[std::size_t(m)] = x * kStepSeconds;
        windowSum_ += window_[std::size_t(m)];
    }
    grid_.assign(kGridPoints, std::vector<Complex>(std::size_t(outputs)));
    for (int g = 0; g < kGridPoints; ++g) {
        const double offset = -kSearchHz + g * kGridStepHz;
        for (int m = 0; m < outputs; ++m)
            grid_[std::size_t(g)][std::size_t(m)] =
                window_[std::size_t(m)] *
                std::polar(1.0, -kTwoPi * offset * times_[std::size_t(m)]);
    }
}

void ToneReader::begin(const std::array<double, 2>& hz) {
    hz_ = hz;
    blocks_ = 0;
    carried_ = 0;
    // The tables: the window's halves times the phasor of each channel,
    // counted from the start of a window; the phasor by repeated turning (in
    // double, the drift over two steps is far below float resolution).
    for (int c = 0; c < 2; ++c) {
        const double w = hz[std::size_t(c)] > 0 ? kTwoPi * hz[std::size_t(c)] / kRate : 0;
        const Complex turn = std::polar(1.0, -w);
        Complex z = 1;
        for (int k = 0; k < 2 * kHop; ++k, z *= turn) {
            const bool rising = k < kHop;
            const double weight = rising ? (k + 0.5) / kHop : (2 * kHop - k - 0.5) / kHop;
            const std::size_t at = std::size_t(2 * (rising ? k : k - kHop) + c);
            (rising ? riseRe_ : fallRe_)[at] = float(weight * z.real());
            (rising ? riseIm_ : fallIm_)[at] = float(weight * z.imag());
        }
    }
}

void ToneReader::demodulate(const float* x, int blocks) {
    blocks = std::min(blocks, kBlocksPerSecond - blocks_);
    if (blocks <= 0) return;
    detail::demodulateBlocks(x, blocks, kHop, riseRe_.data(), riseIm_.data(), fallRe_.data(),
                             fallIm_.data(), sums_.data() + std::size_t(8 * blocks_));
    blocks_ += blocks;
}

void ToneReader::add(const float* x, int frames) {
    while (frames > 0) {
        if (carried_ > 0 || frames < kHop) {
            // A step that straddles two calls is put together here.
            const int n = std::min(kHop - carried_, frames);
            std::copy(x, x + 2 * n, carry_.begin() + 2 * carried_);
            carried_ += n;
            x += 2 * n;
            frames -= n;
            if (carried_ == kHop) {
                demodulate(carry_.data(), 1);
                carried_ = 0;
            }
        } else {
            const int blocks = frames / kHop;
            demodulate(x, blocks);
            x += 2 * std::ptrdiff_t(blocks) * kHop;
            frames -= blocks * kHop;
        }
    }
}

std::array<ToneReading, 2> ToneReader::finish() {
    std::array<ToneReading, 2> out{};
    if (blocks_ * kHop < kLeastFrames) return out;
    prepareWindow(blocks_ - 1);
    for (int c = 0; c < 2; ++c)
        if (hz_[std::size_t(c)] > 0) out[std::size_t(c)] = readChannel(c, hz_[std::size_t(c)]);
    return out;
}

// The long window's sum of the turned values at an offset from the expected
// frequency, and optionally its first two derivatives in the offset.
ToneReader::Complex ToneReader::sumAt(double offsetHz, Complex* slope, Complex* curve) const {
    const Complex turn = std::polar(1.0, -kTwoPi * offsetHz * kStepSeconds);
    Complex z = std::polar(1.0, -kTwoPi * offsetHz * times_.front());
    Complex y = 0, y1 = 0, y2 = 0;
    for (int m = 0; m < outputs_; ++m, z *= turn) {
        const Complex v = window_[std::size_t(m)] * turned_[std::size_t(m)] * z;
        const double t = kTwoPi * times_[std::size_t(m)];
        y += v;
        y1 += Complex(0, -t) * v;
        y2 += -t * t * v;
    }
    if (slope) *slope = y1;
    if (curve) *curve = y2;
    return y;
}

ToneReading ToneReader::readChannel(int c, double hz) {
    ToneReading r;
    // The windows of this channel, each turned back by the phase its start
    // lies at.
    const double w = kTwoPi * hz / kRate;
    const Complex stepTurn = std::polar(1.0, -w * kHop);
    turned_.resize(std::size_t(outputs_));
    Complex start = 1;
    for (int m = 0; m + 1 < blocks_; ++m, start *= stepTurn) {
        const float* rise = &sums_[std::size_t(8 * m)];
        const float* fall = &sums_[std::size_t(8 * (m + 1))];
        turned_[std::size_t(m)] =
            start * Complex(double(rise[c]) + fall[4 + c], double(rise[2 + c]) + fall[6 + c]);
    }

    // The strongest point of the grid, then the peak near it.
    int best = 0;
    double bestPower = -1;
    for (int g = 0; g < kGridPoints; ++g) {
        Complex y = 0;
        const auto& row = grid_[std::size_t(g)];
        for (int m = 0; m < outputs_; ++m)
            y += row[std::size_t(m)] * turned_[std::size_t(m)];
        if (std::norm(y) > bestPower) {
            bestPower = std::norm(y);
            best = g;
        }
    }
    if (bestPower <= 0) return r;
    double offset = -kSearchHz + best * kGridStepHz;
    for (int i = 0; i < 8; ++i) {
        Complex y1, y2;
        const Complex y = sumAt(offset, &y1, &y2);
        const double d1 = 2 * (std::conj(y) * y1).real();
        const double d2 = 2 * (std::norm(y1) + (std::conj(y) * y2).real());
        if (d2 >= 0) break; // not on a peak's slope: keep the grid's point
        const double step = std::clamp(-d1 / d2, -kGridStepHz, kGridStepHz);
        offset += step;
        if (std::abs(step) < 1e-7) break;
    }
    offset = std::clamp(offset, -kSearchHz - kGridStepHz, kSearchHz + kGridStepHz);
    const Complex peak = sumAt(offset);
    const Complex amplitude = peak / windowSum_; // per window, of a steady tone
    r.hz = hz + offset;
    r.level = 2 * std::abs(amplitude) / kHop;

    // The tone made a steady real value: what is left in the imaginary part
    // moves its phase. Its spectrum in the band, on the grid's half hertz.
    const Complex undo = std::polar(1.0, -std::arg(amplitude));
    const Complex turn = std::polar(1.0, -kTwoPi * offset * kStepSeconds);
    Complex z = undo * std::polar(1.0, -kTwoPi * offset * times_.front());
    for (int m = 0; m < outputs_; ++m, z *= turn)
        turned_[std::size_t(m)] = (turned_[std::size_t(m)] * z).imag();
    double worst = 0;
    for (int g = kGridPoints / 2; g < kGridPoints; ++g) {
        Complex q = 0;
        const auto& row = grid_[std::size_t(g)];
        for (int m = 0; m < outputs_; ++m)
            q += row[std::size_t(m)] * turned_[std::size_t(m)].real();
        worst = std::max(worst, std::abs(q));
    }
    r.interference = std::abs(peak) > 0 ? 2 * worst / std::abs(peak) : 1.0;
    r.found = r.level >= kQuietestTone && r.interference < 1.0;
    return r;
}

} // namespace vs::playback
