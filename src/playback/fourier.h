// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The discrete Fourier transform of any length, by mixed-radix decimation in
// time: the length is split into its prime factors, each stage a plain DFT of
// that factor. Fast for lengths made of small primes (the one-second wave
// files: 44100 = 2^2 3^2 5^2 7^2), correct for every length (a large prime
// factor only costs time).
//
//   forward: X[k] = sum_n x[n] e^(-2 pi i n k / N)
//   inverse: x[n] = (1/N) sum_k X[k] e^(+2 pi i n k / N)
//
// Thread rule: any thread; allocates, so never the audio callback.
#include <complex>
#include <vector>

namespace vs::playback {

enum class FourierDirection { Forward, Inverse };

std::vector<std::complex<double>> fourier(const std::vector<std::complex<double>>& x,
                                          FourierDirection direction = FourierDirection::Forward);

} // namespace vs::playback
