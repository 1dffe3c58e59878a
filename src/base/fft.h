// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The discrete Fourier transform of any length, for the sound we make and
// measure offline (noise spectra, their checks). Mixed radix: a length made
// of small factors, like the 44,100 frames of a one-second wave, costs
// n x (sum of its prime factors); a large prime factor p costs n x p.
//
// Forward: X[k] = sum x[n] e^(-2 pi i k n / N). Inverse: the same with +i,
// divided by N, so inverse(forward(x)) == x.
//
// Thread rule: any thread; allocates, so never the audio callback.
#include <complex>
#include <vector>

namespace vs {

std::vector<std::complex<double>> fourierForward(const std::vector<std::complex<double>>& x);
std::vector<std::complex<double>> fourierInverse(const std::vector<std::complex<double>>& x);

} // namespace vs
