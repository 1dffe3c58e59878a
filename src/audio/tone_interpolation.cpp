// SPDX-License-Identifier: GPL-3.0-or-later
// The vector kernel, compiled once per instruction set by the SIMD library
// (this file includes itself through foreach_target.h) and picked at run
// time. Built with -ffp-contract=off: a fused multiply-add would round once
// where the reference rounds twice.
//
// Built for AVX2, SSSE3 and, for a CPU without either, one lane at a time.
// SSE4 gives this kernel nothing over SSSE3; AVX-512 gained 0.03 s an hour of
// two tones on the machine it was tried on, too little for the clock drop it
// brings some processors while the sound plays.
#define HWY_DISABLED_TARGETS (HWY_SSE4 | HWY_AVX3)
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "audio/tone_interpolation.cpp"
#include <hwy/foreach_target.h> // IWYU pragma: keep

#include <hwy/highway.h>

#include <algorithm>

#include "audio/tone_interpolation.h"

HWY_BEFORE_NAMESPACE();
namespace vs::audio::detail::HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

using DF = hn::ScalableTag<float>;
using VF = hn::Vec<DF>;
constexpr int kMaxLanes = int(hn::MaxLanes(DF()));
constexpr std::uint64_t kOneFrame = std::uint64_t(1) << 32;

// The cubic of hermite6 from its six taps, operation for operation.
struct Cubic {
    VF c3, c2, d0;
};
HWY_INLINE Cubic cubicOf(const VF* y) {
    const DF df;
    const auto twelfth = hn::Set(df, 1.0f / 12.0f), eight = hn::Set(df, 8.0f);
    const auto three = hn::Set(df, 3.0f), two = hn::Set(df, 2.0f);
    const auto d0 =
        hn::Mul(hn::Add(hn::Sub(y[0], y[4]), hn::Mul(eight, hn::Sub(y[3], y[1]))), twelfth);
    const auto d1 =
        hn::Mul(hn::Add(hn::Sub(y[1], y[5]), hn::Mul(eight, hn::Sub(y[4], y[2]))), twelfth);
    const auto dy = hn::Sub(y[3], y[2]);
    return {hn::Sub(hn::Add(d0, d1), hn::Mul(two, dy)),
            hn::Sub(hn::Sub(hn::Mul(three, dy), hn::Mul(two, d0)), d1), d0};
}
HWY_INLINE VF evaluate(const Cubic& c, VF y0, VF t) {
    return hn::Add(hn::Mul(hn::Add(hn::Mul(hn::Add(hn::Mul(c.c3, t), c.c2), t), c.d0), t), y0);
}

// Where the lanes of a block fall: lane j at pos + j * inc.
class LanePositions {
public:
    explicit LanePositions(std::uint64_t inc) {
        const hn::RebindToUnsigned<DF> du;
        HWY_ALIGN std::uint32_t lo[kMaxLanes], hi[kMaxLanes];
        for (int j = 0; j < int(hn::Lanes(DF())); ++j) {
            const std::uint64_t o = std::uint64_t(j) * inc;
            lo[j] = std::uint32_t(o);
            hi[j] = std::uint32_t(o >> 32);
        }
        lo_ = hn::Load(du, lo);
        hi_ = hn::Load(du, hi);
    }
    // Frames past lane 0's frame, and the fraction (exactly as fraction()).
    HWY_INLINE hn::Vec<hn::RebindToSigned<DF>> frames(std::uint64_t pos, VF& t) const {
        const DF df;
        const hn::RebindToUnsigned<DF> du;
        const auto lo = hn::Add(hn::Set(du, std::uint32_t(pos)), lo_);
        const auto carry = hn::VecFromMask(du, hn::Lt(lo, lo_)); // all ones: -1
        t = hn::Mul(hn::ConvertTo(df, lo), hn::Set(df, 1.0f / 4294967296.0f));
        return hn::BitCast(hn::RebindToSigned<DF>(), hn::Sub(hi_, carry));
    }

private:
    hn::Vec<hn::RebindToUnsigned<DF>> lo_, hi_;
};

// Slow steps, several outputs a frame: each frame's cubic is formed once, for
// a chunk's frames side by side from plain loads, into a table the outputs
// then pick from. The same coefficients, so the same bits. Returns the
// outputs done, whole vectors only; stops where the table would reach past
// the end.
int viaTable(const float* d, std::int64_t n, std::uint64_t& at, std::uint64_t inc, float* out,
             int count, const LanePositions lanes) {
    constexpr int kChunk = 256;
    const DF df;
    const int nl = int(hn::Lanes(df));
    HWY_ALIGN float c3[kChunk + kMaxLanes], c2[kChunk + kMaxLanes], d0[kChunk + kMaxLanes];
    std::uint64_t pos = at; // a local: stores to `out` cannot touch it
    int k = 0;
    while (count - k >= nl) {
        const int c = std::min(count - k, kChunk) / nl * nl;
        const std::int64_t i0 = std::int64_t(pos >> 32);
        const std::int64_t last = std::int64_t((pos + std::uint64_t(c - 1) * inc) >> 32);
        // Every frame an output's vector loads: up to nl from its lane 0's
        // frame, which is at most the last output's.
        const std::int64_t width = (last - i0 + 2 * nl - 1) / nl * nl;
        if (i0 + width + 2 >= n) break;
        for (std::int64_t f = 0; f < width; f += nl) {
            VF y[6];
            for (int tap = 0; tap < 6; ++tap)
                y[tap] = hn::LoadU(df, d + i0 + f - 2 + tap);
            const Cubic cubic = cubicOf(y);
            hn::Store(cubic.c3, df, c3 + f);
            hn::Store(cubic.c2, df, c2 + f);
            hn::Store(cubic.d0, df, d0 + f);
        }
        for (int j = 0; j < c; j += nl, pos += std::uint64_t(nl) * inc) {
            const std::int64_t r = std::int64_t(pos >> 32) - i0;
            VF t;
            const auto pick = hn::IndicesFromVec(df, lanes.frames(pos, t));
            const Cubic cubic{hn::TableLookupLanes(hn::LoadU(df, c3 + r), pick),
                              hn::TableLookupLanes(hn::LoadU(df, c2 + r), pick),
                              hn::TableLookupLanes(hn::LoadU(df, d0 + r), pick)};
            const VF y0 = hn::TableLookupLanes(hn::LoadU(df, d + i0 + r), pick);
            hn::StoreU(evaluate(cubic, y0, t), df, out + k + j);
        }
        k += c;
    }
    at = pos;
    return k;
}

// Each output's six taps fetched on its own. With at most one frame a step
// (kNear), lane j lies at most j frames past lane 0, so every tap of every
// lane is in one vector loaded at lane 0's frame, picked by a permute rather
// than gathered. Returns the outputs done, whole vectors only; near the end
// of the data, where those loads would pass it, it stops.
template <bool kNear>
int eachOnItsOwn(const float* d, std::int64_t n, std::uint64_t& at, std::uint64_t inc,
                 float* out, int count, const LanePositions lanes) {
    const DF df;
    const int nl = int(hn::Lanes(df));
    std::uint64_t pos = at;
    int k = 0;
    for (; k + nl <= count; k += nl, pos += std::uint64_t(nl) * inc) {
        const std::int64_t i0 = std::int64_t(pos >> 32);
        if (kNear && i0 + nl + 3 > n) break;
        VF t;
        const auto rel = lanes.frames(pos, t);
        const float* base = d + i0 - 2;
        VF y[6];
        if constexpr (kNear) {
            const auto pick = hn::IndicesFromVec(df, rel);
            for (int tap = 0; tap < 6; ++tap)
                y[tap] = hn::TableLookupLanes(hn::LoadU(df, base + tap), pick);
        } else {
            for (int tap = 0; tap < 6; ++tap)
                y[tap] = hn::GatherIndex(df, base + tap, rel);
        }
        hn::StoreU(evaluate(cubicOf(y), y[2], t), df, out + k);
    }
    at = pos;
    return k;
}

// Not noexcept: the dispatch table of this library version cannot hold such
// functions. It throws nothing.
std::uint64_t interpolateRun(const float* d, std::int64_t n, std::uint64_t pos,
                             std::uint64_t inc, float* out, int count) {
    const LanePositions lanes(inc);
    int k = 0;
    if (inc <= kOneFrame * 3 / 4) k = viaTable(d, n, pos, inc, out, count, lanes);
    if (inc <= kOneFrame)
        k += eachOnItsOwn<true>(d, n, pos, inc, out + k, count - k, lanes);
    else
        k += eachOnItsOwn<false>(d, n, pos, inc, out + k, count - k, lanes);
    for (; k < count; ++k, pos += inc)
        out[k] = hermite6(d + (pos >> 32), fraction(pos));
    return pos;
}

std::int64_t targetHere() {
    return HWY_TARGET;
}

} // namespace vs::audio::detail::HWY_NAMESPACE
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace vs::audio::detail {

HWY_EXPORT(interpolateRun);
HWY_EXPORT(targetHere);

std::uint64_t interpolateVector(const float* data, std::int64_t frames, std::uint64_t pos,
                                std::uint64_t inc, float* out, int count) noexcept {
    return HWY_DYNAMIC_DISPATCH(interpolateRun)(data, frames, pos, inc, out, count);
}

std::int64_t interpolationTargets() noexcept {
    return HWY_TARGETS;
}

std::int64_t interpolationTarget() noexcept {
    return HWY_DYNAMIC_DISPATCH(targetHere)();
}

const char* interpolationTargetName(std::int64_t target) noexcept {
    return hwy::TargetName(target);
}

namespace {
// The CPU's own targets, found once at load time: so the first dispatch does
// not detect the CPU inside the audio callback, and a pin can be undone.
const std::int64_t kSupported = [] {
    const std::int64_t supported = hwy::SupportedTargets();
    hwy::GetChosenTarget().Update(supported);
    return supported;
}();
} // namespace

bool pinInterpolationTarget(std::int64_t target) noexcept {
    const bool single = (target & (target - 1)) == 0;
    if (target != 0 && (!single || (target & HWY_TARGETS & kSupported) == 0)) return false;
    hwy::SetSupportedTargetsForTest(target);
    hwy::GetChosenTarget().Update(hwy::SupportedTargets());
    return true;
}

} // namespace vs::audio::detail
#endif
