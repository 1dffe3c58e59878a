// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The interpolation at the heart of sample playback: one formula, evaluated
// one output at a time (the reference) or several at once in SIMD registers
// (what the mixer plays), chosen for the CPU at run time. Both give the same
// bits: the vector kernel performs the reference's operations in its order,
// and neither file lets the compiler fuse a multiply and an add.
#include <cstdint>

namespace vs::audio::detail {

// Cubic Hermite segment between y0 and y1 whose slopes come from fourth-order
// central differences over six points. Plain Catmull-Rom slopes leave the
// 1000 Hz tone's error near -89 dB; these put it below the 16-bit floor of the
// wave files (about -98 dB) for the same cubic evaluation.
inline float hermite6(const float* p, float t) noexcept {
    const float ym2 = p[-2], ym1 = p[-1], y0 = p[0], y1 = p[1], y2 = p[2], y3 = p[3];
    const float d0 = (ym2 - y2 + 8.0f * (y1 - ym1)) * (1.0f / 12.0f);
    const float d1 = (ym1 - y3 + 8.0f * (y2 - y0)) * (1.0f / 12.0f);
    const float dy = y1 - y0;
    const float c2 = 3.0f * dy - 2.0f * d0 - d1;
    const float c3 = d0 + d1 - 2.0f * dy;
    return ((c3 * t + c2) * t + d0) * t + y0;
}

// The fractional part of a 32.32 position.
inline float fraction(std::uint64_t pos) noexcept {
    return float(std::uint32_t(pos)) * (1.0f / 4294967296.0f);
}

// Both kernels write `count` outputs for the 32.32 positions pos, pos + inc,
// ... into `out` and return the position after the last. The caller keeps
// every tap inside the data: (pos >> 32) >= 2 and the last position's
// (p >> 32) + 3 < frames. They never read outside data[0, frames).
// Any thread; the audio callback among them (no lock, allocation or I/O).
inline std::uint64_t interpolateScalar(const float* data, std::int64_t /*frames*/,
                                       std::uint64_t pos, std::uint64_t inc, float* out,
                                       int count) noexcept {
    for (int j = 0; j < count; ++j) {
        out[j] = hermite6(data + (pos >> 32), fraction(pos));
        pos += inc;
    }
    return pos;
}
std::uint64_t interpolateVector(const float* data, std::int64_t frames, std::uint64_t pos,
                                std::uint64_t inc, float* out, int count) noexcept;

// renderChannel (engine_impl.h) with the scalar kernel: the reference the
// vector renderer is held to. Defined beside it in mixer.cpp.
int renderChannelScalar(const float* data, std::int64_t frames, std::uint64_t& pos,
                        std::uint64_t inc, bool loop, float* out, int count) noexcept;

// The instruction sets the vector kernel is built for, one bit each (the
// SIMD library's target bits), and the one it runs on now.
std::int64_t interpolationTargets() noexcept;
std::int64_t interpolationTarget() noexcept;
const char* interpolationTargetName(std::int64_t target) noexcept;
// Runs the vector kernel on one built target this CPU supports, or with 0 on
// the best again; false (and nothing changed) for any other. For tests and
// benchmarks, while no audio thread renders.
bool pinInterpolationTarget(std::int64_t target) noexcept;

} // namespace vs::audio::detail
