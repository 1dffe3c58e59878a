// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/envelope_reader.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace vs::playback {
namespace {

// The envelope crosses half its peak; it must pass these fractions of it to
// count as up or down, so the ripple left on a slow edge is no crossing.
constexpr double kHalf = 0.5, kUp = 0.6, kDown = 0.4;
// The smoothing: at least 2 ms (the image of a high carrier gone), a tenth
// of the beat's period (a fifth), which keeps its pulses apart (each is half of it)
// while the masking noise left in the envelope is too weak to split one.
constexpr double kLeastWindowSeconds = 0.002;
constexpr double kWindowPeriods = 0.2;
// A quieter peak is no tone: a fade's end, silence.
constexpr double kQuietest = 1e-4;

} // namespace

EnvelopeReader::EnvelopeReader(int rate, int channel)
    : rate_(rate), channel_(channel), sums_(kRingBlocks),
      forget_(std::exp(-double(kStep) / (kPeakMemorySeconds * rate))) {}

void EnvelopeReader::setCarrier(double hz, double beatHz) {
    if (hz == carrierHz_ && beatHz == beatHz_) return;
    const bool first = carrierHz_ < 0;
    carrierHz_ = hz;
    beatHz_ = beatHz;
    // The turn the block under way has come to stays where it is: the part
    // summed so far is set aside in its own turn, the rest goes on from it.
    const Complex now = first ? Complex(1, 0) : blockTurn_ * turns_[std::size_t(inBlock_)];
    pending_ += blockTurn_ * block_;
    block_ = 0;
    const double w = 2 * std::numbers::pi * hz / rate_;
    for (int j = 0; j < kStep; ++j)
        turns_[std::size_t(j)] = std::polar(1.0, -w * j);
    stride_ = std::polar(1.0, -w * kStep);
    blockTurn_ = now * std::conj(turns_[std::size_t(inBlock_)]);
    // Turned down, the tone's image turns at twice its frequency: a window
    // of a whole number of its periods takes it away. The window is whole
    // blocks too: of the next few numbers of periods (at most a third more,
    // so the pulses stay apart), the one nearest to whole blocks.
    const double image = hz > 0 ? rate_ / (2 * hz) : kRingBlocks * kStep;
    const double least =
        std::max(kLeastWindowSeconds, beatHz > 0 ? kWindowPeriods / beatHz : 0) * rate_;
    const double fewest = std::max(1.0, std::ceil(least / image));
    double best = fewest * image / kStep, off = 1;
    const int more = std::min(kStep, 1 + int(fewest / 3));
    for (int k = 0; k < more; ++k) {
        const double blocks = (fewest + k) * image / kStep;
        if (std::abs(blocks - std::round(blocks)) < off) {
            off = std::abs(blocks - std::round(blocks));
            best = blocks;
        }
    }
    windowBlocks_ = std::clamp(int(std::lround(best)), 1, kRingBlocks - 1);
}

// The signal is turned down a block at a time: within a block by the
// block's table of turns, the block's sum then by the turn it started at.
void EnvelopeReader::add(const float* x, int frames, double carrierHz, double beatHz) {
    setCarrier(carrierHz, beatHz);
    int i = 0;
    while (i < frames) {
        const int n = std::min(frames - i, kStep - inBlock_);
        double re = 0, im = 0;
        for (int j = 0; j < n; ++j) {
            const double v = x[2 * (i + j) + channel_];
            re += v * turns_[std::size_t(inBlock_ + j)].real();
            im += v * turns_[std::size_t(inBlock_ + j)].imag();
        }
        block_ += Complex(re, im);
        inBlock_ += n;
        i += n;
        if (inBlock_ < kStep) break;
        sum_ += pending_ + blockTurn_ * block_;
        pending_ = block_ = 0;
        inBlock_ = 0;
        blockTurn_ *= stride_;
        if (++blocks_ % 256 == 0) blockTurn_ /= std::abs(blockTurn_);
        sums_[std::size_t(blocks_ % kRingBlocks)] = sum_;
        if (blocks_ <= windowBlocks_) continue;
        const Complex before = sums_[std::size_t((blocks_ - windowBlocks_) % kRingBlocks)];
        const int window = windowBlocks_ * kStep;
        // A tone of peak a turns down to a/2: twice the mean is its level.
        const double level = 2 * std::abs(sum_ - before) / window;
        const double at = (double(blocks_) * kStep - 1 - window / 2.0) / rate_;
        crossing(level, at);
    }
}

void EnvelopeReader::crossing(double level, double at) {
    peak_ = std::max(level, peak_ * forget_);
    loudest_ = std::max(loudest_, level);
    const double half = kHalf * peak_;
    // Which side of half the level is on, kept from one value to the next:
    // the peak forgets as the level moves, and a crossing must not slip
    // between the two.
    const bool above = level >= half;
    // Where between the last value and this one the level passed half.
    auto passed = [&] {
        const double rise = level - lastLevel_;
        if (rise == 0) return at;
        return lastAt_ + (at - lastAt_) * std::clamp((half - lastLevel_) / rise, 0.0, 1.0);
    };
    if (peak_ < kQuietest) {
        state_ = State::Unknown;
    } else {
        if (!wasAbove_ && above) upAt_ = passed();
        if (wasAbove_ && !above) downAt_ = passed();
        if (level >= kUp * peak_ && state_ != State::High) {
            risen_ = state_ == State::Low ? upAt_ : -1;
            state_ = State::High;
        } else if (level <= kDown * peak_ && state_ != State::Low) {
            if (state_ == State::High && risen_ >= 0 && downAt_ > risen_)
                pulses_.push_back((risen_ + downAt_) / 2);
            state_ = State::Low;
        }
    }
    wasAbove_ = above;
    lastLevel_ = level;
    lastAt_ = at;
}

std::vector<double> EnvelopeReader::takePulses() {
    std::vector<double> out;
    out.swap(pulses_);
    return out;
}

double EnvelopeReader::takeLoudest() {
    return std::exchange(loudest_, 0.0);
}

} // namespace vs::playback
