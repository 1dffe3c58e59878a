// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loops of an export that run over every sample, in SIMD registers
// chosen for the CPU at run time: the verification's two (the channels
// turned down to the tones' own rates in short overlapping windows; the peak
// and the largest step), which read the render as it comes, interleaved
// stereo; and the writer's conversion to 16-bit samples.
//
// Thread rule: any thread; the caller owns every array.
#include <cstdint>

namespace vs::playback::detail {

// Sums over `blocks` consecutive blocks of `hop` frames (a multiple of four)
// of interleaved stereo `x`: for each block, the samples times four tables
// of 2 * hop channel-interleaved floats (the rising half of a window times a
// phasor, real and imaginary, then the falling half). `out` gets eight
// floats a block: rising real L, R, rising imaginary L, R, falling real L, R,
// falling imaginary L, R.
void demodulateBlocks(const float* x, int blocks, int hop, const float* riseRe, const float* riseIm,
                      const float* fallRe, const float* fallIm, float* out);

// The largest |sample| over `frames` interleaved stereo frames, and the
// largest |difference| between two neighbouring frames of one channel within
// them. A sample that is not a number counts in neither.
void peakAndStep(const float* x, int frames, float& peak, float& step);

// `count` samples to 16 bits on libsndfile's scale (full scale 32767), as
// the plain loop does it: held to -1..1, not a number made silence, rounded
// half away from zero. The same bits on every instruction set.
void toPcm16(const float* x, int count, short* out);

// The instruction set they run on now (the SIMD library's name).
const char* sampleKernelsTarget();

} // namespace vs::playback::detail
