// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/pulse_envelope.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vs::audio {
namespace {

constexpr double kShortestEdgeSeconds = 0.002;
constexpr double kEdgePerPeriod = 1.0 / 8;
constexpr double kLongestEdgePerPeriod = 1.0 / 4;

// NaN and negative rates sound steadily; absurd ones are held to the ceiling.
double saneRate(double hz) {
    return hz > 0 ? std::min(hz, PulseEnvelope::kHighestRateHz) : 0.0;
}

} // namespace

double pulseEdgeSeconds(double rateHz) {
    const double r = saneRate(rateHz);
    if (r <= 0) return kShortestEdgeSeconds;
    const double period = 1 / r;
    return std::min(kLongestEdgePerPeriod * period,
                    std::max(kShortestEdgeSeconds, kEdgePerPeriod * period));
}

PulseEnvelope::PulseEnvelope(int sampleRate, bool softEdges)
    : sampleRate_(sampleRate), softEdges_(softEdges),
      depthStep_(1.0 / (kGlideSeconds * sampleRate)) {}

double PulseEnvelope::widthFor(double rateHz) const {
    const double r = saneRate(rateHz);
    return softEdges_ && r > 0 ? pulseEdgeSeconds(r) * r : 0.0;
}

void PulseEnvelope::set(const PulseSettings& s) {
    const double r = saneRate(s.rateHz);
    increment_ = r / sampleRate_;
    widthTarget_ = widthFor(r);
    depthTarget_ = s.on && r >= kSteadyBelowHz ? 1.0 : 0.0;
    // While the gain is a steady 1 the shape is not heard: take it at once.
    if (depth_ == 0) width_ = widthTarget_;
}

void PulseEnvelope::start(const PulseSettings& s) {
    depth_ = 0;
    set(s);
    width_ = widthTarget_;
    depth_ = depthTarget_;
    phase_ = width_ > 0 ? 1 - width_ / 2 : 0;
}

// Phase 0 is the middle of the rise, 0.5 the middle of the fall; each edge is
// half a raised cosine `width` long, centred there.
float PulseEnvelope::shape(double p, double width) {
    if (width <= 0) return p < 0.5 ? 1.0f : 0.0f;
    const double half = width / 2;
    double into;
    bool rising;
    if (p < half) {
        into = p + half;
        rising = true;
    } else if (p < 0.5 - half) {
        return 1.0f;
    } else if (p < 0.5 + half) {
        into = p - (0.5 - half);
        rising = false;
    } else if (p < 1 - half) {
        return 0.0f;
    } else {
        into = p - (1 - half);
        rising = true;
    }
    const double c = 0.5 * std::cos(std::numbers::pi * into / width);
    return float(rising ? 0.5 - c : 0.5 + c);
}

void PulseEnvelope::advance(int frames) {
    phase_ += increment_ * frames;
    phase_ -= std::floor(phase_);
    width_ = widthTarget_;
}

template <class Sink> void PulseEnvelope::run(int frames, Sink sink) {
    for (int i = 0; i < frames; ++i) {
        const double e = shape(phase_, width_);
        sink(i, float(1 - depth_ * (1 - e)));
        if (depth_ < depthTarget_)
            depth_ = std::min(depthTarget_, depth_ + depthStep_);
        else if (depth_ > depthTarget_)
            depth_ = std::max(depthTarget_, depth_ - depthStep_);
        const double before = phase_;
        phase_ += increment_;
        if (phase_ >= 1) phase_ -= 1;
        // The middles of the plateaus (0.25 on, 0.75 off) are where a new
        // edge length changes nothing; the increment is far below a quarter.
        if (width_ != widthTarget_ &&
            ((before < 0.25 && phase_ >= 0.25) || (before < 0.75 && phase_ >= 0.75)))
            width_ = widthTarget_;
    }
}

void PulseEnvelope::gains(float* out, int frames) {
    if (steady()) {
        std::fill(out, out + std::max(frames, 0), 1.0f);
        advance(frames);
        return;
    }
    run(frames, [out](int i, float g) { out[i] = g; });
}

void PulseEnvelope::apply(float* x, int frames, int channels) {
    if (steady()) {
        advance(frames);
        return;
    }
    run(frames, [x, channels](int i, float g) {
        float* frame = x + std::ptrdiff_t(i) * channels;
        for (int c = 0; c < channels; ++c)
            frame[c] *= g;
    });
}

std::vector<float> pulseGains(double rateHz, std::size_t frames, int sampleRate, bool softEdges) {
    PulseEnvelope e(sampleRate, softEdges);
    e.start({rateHz, true});
    std::vector<float> out(frames);
    constexpr std::size_t kChunk = 1 << 16;
    for (std::size_t at = 0; at < frames; at += kChunk)
        e.gains(out.data() + at, int(std::min(kChunk, frames - at)));
    return out;
}

} // namespace vs::audio
