// SPDX-License-Identifier: GPL-3.0-or-later
// An export's loops over every sample, compiled once per instruction set by
// the SIMD library (this file includes itself through foreach_target.h) and
// picked at run time. Built for AVX2, SSSE3 and one lane at a time, as the
// tone interpolation is: a verification step's 840 floats are not a whole
// number of AVX-512 vectors. Built with -ffp-contract=off: the conversion
// to 16 bits must round where the plain loop rounds.
#define HWY_DISABLED_TARGETS (HWY_SSE4 | HWY_AVX3)
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "playback/sample_kernels.cpp"
#include <hwy/foreach_target.h> // IWYU pragma: keep

#include <hwy/highway.h>

#include <cmath>

#include "playback/sample_kernels.h"

HWY_BEFORE_NAMESPACE();
namespace vs::playback::detail::HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

using DF = hn::ScalableTag<float>;
using VF = hn::Vec<DF>;
constexpr int kMaxLanes = int(hn::MaxLanes(DF()));

// Four running sums of one block: the samples times the four tables.
struct Sums {
    VF riseRe, riseIm, fallRe, fallIm;
};

HWY_INLINE void accumulate(Sums& s, VF v, const float* rr, const float* ri, const float* fr,
                           const float* fi, int i) {
    const DF df;
    s.riseRe = hn::MulAdd(v, hn::LoadU(df, rr + i), s.riseRe);
    s.riseIm = hn::MulAdd(v, hn::LoadU(df, ri + i), s.riseIm);
    s.fallRe = hn::MulAdd(v, hn::LoadU(df, fr + i), s.fallRe);
    s.fallIm = hn::MulAdd(v, hn::LoadU(df, fi + i), s.fallIm);
}

// Adds the lanes of `v` into out[0] (left) and out[1] (right); lane j holds
// the sample at float index first + j.
HWY_INLINE void addByChannel(VF v, int first, float* out) {
    const DF df;
    HWY_ALIGN float lanes[kMaxLanes];
    hn::Store(v, df, lanes);
    for (int j = 0; j < int(hn::Lanes(df)); ++j)
        out[(first + j) & 1] += lanes[j];
}

// Not noexcept: the dispatch table of this library version cannot hold such
// functions. They throw nothing.
void demodulateRun(const float* x, int blocks, int hop, const float* rr, const float* ri,
                   const float* fr, const float* fi, float* out) {
    const DF df;
    const int n = int(hn::Lanes(df));
    const int length = 2 * hop;
    for (int b = 0; b < blocks; ++b, x += length, out += 8) {
        // Two sets of sums, even and odd vectors, so the additions of one
        // need not wait for the other's.
        Sums a{hn::Zero(df), hn::Zero(df), hn::Zero(df), hn::Zero(df)};
        Sums c = a;
        int i = 0;
        for (; i + 2 * n <= length; i += 2 * n) {
            accumulate(a, hn::LoadU(df, x + i), rr, ri, fr, fi, i);
            accumulate(c, hn::LoadU(df, x + i + n), rr, ri, fr, fi, i + n);
        }
        const int odd = i + n <= length ? n : 0;
        if (odd) accumulate(a, hn::LoadU(df, x + i), rr, ri, fr, fi, i);
        for (int q = 0; q < 8; ++q)
            out[q] = 0;
        addByChannel(a.riseRe, 0, out);
        addByChannel(a.riseIm, 0, out + 2);
        addByChannel(a.fallRe, 0, out + 4);
        addByChannel(a.fallIm, 0, out + 6);
        addByChannel(c.riseRe, n, out);
        addByChannel(c.riseIm, n, out + 2);
        addByChannel(c.fallRe, n, out + 4);
        addByChannel(c.fallIm, n, out + 6);
        for (i += odd; i < length; ++i) {
            const int ch = i & 1;
            out[ch] += x[i] * rr[i];
            out[2 + ch] += x[i] * ri[i];
            out[4 + ch] += x[i] * fr[i];
            out[6 + ch] += x[i] * fi[i];
        }
    }
}

void peakAndStepRun(const float* x, int frames, float* peakOut, float* stepOut) {
    const DF df;
    const int n = int(hn::Lanes(df));
    const int length = 2 * frames;
    // A comparison is false for a sample that is not a number: it never
    // replaces the maximum so far.
    auto keepLarger = [](VF v, VF m) { return hn::IfThenElse(hn::Gt(v, m), v, m); };
    // Two of each, so one comparison need not wait for the one before.
    VF peak = hn::Zero(df), step = hn::Zero(df), peak2 = peak, step2 = step;
    int i = 2;
    for (; i + 2 * n <= length; i += 2 * n) {
        const VF v = hn::LoadU(df, x + i), w = hn::LoadU(df, x + i + n);
        peak = keepLarger(hn::Abs(v), peak);
        peak2 = keepLarger(hn::Abs(w), peak2);
        step = keepLarger(hn::Abs(hn::Sub(v, hn::LoadU(df, x + i - 2))), step);
        step2 = keepLarger(hn::Abs(hn::Sub(w, hn::LoadU(df, x + i + n - 2))), step2);
    }
    HWY_ALIGN float p[kMaxLanes], s[kMaxLanes];
    hn::Store(keepLarger(peak2, peak), df, p);
    hn::Store(keepLarger(step2, step), df, s);
    float pk = 0, st = 0;
    for (int j = 0; j < n; ++j) {
        if (p[j] > pk) pk = p[j];
        if (s[j] > st) st = s[j];
    }
    for (int j = 0; j < length && j < 2; ++j)
        if (std::abs(x[j]) > pk) pk = std::abs(x[j]);
    for (; i < length; ++i) {
        if (std::abs(x[i]) > pk) pk = std::abs(x[i]);
        if (std::abs(x[i] - x[i - 2]) > st) st = std::abs(x[i] - x[i - 2]);
    }
    *peakOut = pk;
    *stepOut = st;
}

void toPcm16Run(const float* x, int count, short* out) {
    const DF df;
    const hn::RebindToSigned<DF> di;
    const hn::Rebind<std::int16_t, DF> d16;
    const int n = int(hn::Lanes(df));
    const VF one = hn::Set(df, 1.0f), minusOne = hn::Set(df, -1.0f), zero = hn::Zero(df);
    const VF scale = hn::Set(df, 32767.0f), half = hn::Set(df, 0.5f);
    int i = 0;
    for (; i + n <= count; i += n) {
        VF v = hn::LoadU(df, x + i);
        v = hn::IfThenElse(hn::Gt(v, one), one, v);
        v = hn::IfThenElse(hn::Lt(v, minusOne), minusOne, v);
        v = hn::Mul(hn::IfThenElseZero(hn::Eq(v, v), v), scale);
        v = hn::IfThenElse(hn::Ge(v, zero), hn::Add(v, half), hn::Sub(v, half));
        hn::StoreU(hn::DemoteTo(d16, hn::ConvertTo(di, v)), d16,
                   reinterpret_cast<std::int16_t*>(out) + i);
    }
    for (; i < count; ++i) {
        float v = x[i] > 1.0f ? 1.0f : x[i];
        v = v < -1.0f ? -1.0f : v;
        v = (v == v ? v : 0.0f) * 32767.0f;
        out[i] = short(v >= 0 ? v + 0.5f : v - 0.5f);
    }
}

std::int64_t targetHere() {
    return HWY_TARGET;
}

} // namespace vs::playback::detail::HWY_NAMESPACE
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace vs::playback::detail {

HWY_EXPORT(demodulateRun);
HWY_EXPORT(peakAndStepRun);
HWY_EXPORT(toPcm16Run);
HWY_EXPORT(targetHere);

void demodulateBlocks(const float* x, int blocks, int hop, const float* riseRe, const float* riseIm,
                      const float* fallRe, const float* fallIm, float* out) {
    HWY_DYNAMIC_DISPATCH(demodulateRun)(x, blocks, hop, riseRe, riseIm, fallRe, fallIm, out);
}

void peakAndStep(const float* x, int frames, float& peak, float& step) {
    HWY_DYNAMIC_DISPATCH(peakAndStepRun)(x, frames, &peak, &step);
}

void toPcm16(const float* x, int count, short* out) {
    HWY_DYNAMIC_DISPATCH(toPcm16Run)(x, count, out);
}

const char* sampleKernelsTarget() {
    return hwy::TargetName(HWY_DYNAMIC_DISPATCH(targetHere)());
}

} // namespace vs::playback::detail
#endif
