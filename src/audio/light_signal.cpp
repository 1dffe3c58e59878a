// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/light_signal.h"

#include "audio/engine.h"

#include <bit>
#include <cmath>

namespace vs::audio {

static_assert(kMixRate * 64 == 147 * 19200, "the carrier table assumes the 44,100 Hz mix");

LightSignal::LightSignal() {
    const double pi = std::acos(-1.0);
    for (int k = 0; k < kPeriodFrames; ++k)
        carrier_[std::size_t(k)] = float(std::sin(2 * pi * kCarrierHz * k / kMixRate));
    // Sample k of the ramp sits at (k + 1) / kRampFrames of the way: the last
    // one lands on the target.
    for (int k = 0; k < kRampFrames; ++k)
        shape_[std::size_t(k)] = float(0.5 - 0.5 * std::cos(pi * (k + 1) / kRampFrames));
}

float LightSignal::amplitudeFor(int lit) noexcept {
    static const float full = float(std::pow(10.0, kFullLevelDbfs / 20.0));
    return full * float(lit < 0 ? 0 : lit > 4 ? 4 : lit) / 4.0f;
}

void LightSignal::Eye::retarget(float target,
                                const std::array<float, kRampFrames>& shape) noexcept {
    if (target == to) return;
    from = gain(shape); // a change in mid-ramp glides on from where it is
    to = target;
    step = 0;
}

void LightSignal::setByte(std::uint8_t byte) noexcept {
    byte_ = byte;
    eye_[0].retarget(amplitudeFor(std::popcount(unsigned(byte & 0x0F))), shape_);
    eye_[1].retarget(amplitudeFor(std::popcount(unsigned(byte >> 4))), shape_);
}

bool LightSignal::settled() const noexcept {
    return eye_[0].step >= kRampFrames && eye_[1].step >= kRampFrames;
}

template <typename Write> void LightSignal::run(int frames, Write write) noexcept {
    for (int k = 0; k < frames; ++k) {
        const float c = carrier_[std::size_t(phase_)];
        if (++phase_ == kPeriodFrames) phase_ = 0;
        float g[2];
        for (int e = 0; e < 2; ++e) {
            Eye& eye = eye_[e];
            if (eye.step < kRampFrames) {
                g[e] = eye.gain(shape_);
                ++eye.step;
            } else {
                g[e] = eye.to;
            }
        }
        write(k, c * g[0], c * g[1]);
    }
}

void LightSignal::add(float* left, float* right, int frames) noexcept {
    run(frames, [&](int k, float l, float r) {
        left[k] += l;
        right[k] += r;
    });
}

void LightSignal::addInterleaved(float* stereo, int frames) noexcept {
    run(frames, [&](int k, float l, float r) {
        stereo[2 * k] += l;
        stereo[2 * k + 1] += r;
    });
}

} // namespace vs::audio
