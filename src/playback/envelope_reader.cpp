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
    : rate_(rate), channel_(channel), sums_(kRing),
      forget_(std::exp(-double(kStep) / (kPeakMemorySeconds * rate))) {}

void EnvelopeReader::setCarrier(double hz, double beatHz) {
    if (hz == carrierHz_ && beatHz == beatHz_) return;
    carrierHz_ = hz;
    beatHz_ = beatHz;
    const double w = 2 * std::numbers::pi * hz / rate_;
    turn_ = {std::cos(w), -std::sin(w)};
    // Turned down, the tone's image turns at twice its frequency: a window
    // of a whole number of its periods takes it away.
    const double image = hz > 0 ? rate_ / (2 * hz) : kRing;
    const double least =
        std::max(kLeastWindowSeconds, beatHz > 0 ? kWindowPeriods / beatHz : 0) * rate_;
    const double periods = std::max(1.0, std::ceil(least / image));
    window_ = std::clamp(int(std::lround(periods * image)), 1, kRing - 1);
}

void EnvelopeReader::add(const float* x, int frames, double carrierHz, double beatHz) {
    setCarrier(carrierHz, beatHz);
    for (int i = 0; i < frames; ++i) {
        sum_ += double(x[2 * i + channel_]) * phasor_;
        phasor_ *= turn_;
        if (++renormalise_ == 1024) {
            phasor_ /= std::abs(phasor_);
            renormalise_ = 0;
        }
        sums_[std::size_t(frame_ % kRing)] = sum_;
        ++frame_;
        if (frame_ % kStep != 0 || frame_ <= window_) continue;
        const Complex before = sums_[std::size_t((frame_ - window_ - 1) % kRing)];
        // A tone of peak a turns down to a/2: twice the mean is its level.
        const double level = 2 * std::abs(sum_ - before) / window_;
        const double at = (double(frame_) - 1 - window_ / 2.0) / rate_;
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
