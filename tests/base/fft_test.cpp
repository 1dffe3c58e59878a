// SPDX-License-Identifier: GPL-3.0-or-later
// The Fourier transform against the sum that defines it, on lengths of one,
// two and many prime factors, and on the wave files' length by what a known
// tone must give.
#include "base/fft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace {

using Complex = std::complex<double>;

std::vector<Complex> noise(std::size_t n, unsigned seed) {
    std::mt19937 g(seed);
    std::normal_distribution<double> d;
    std::vector<Complex> x(n);
    for (Complex& v : x)
        v = {d(g), d(g)};
    return x;
}

double largestDifference(const std::vector<Complex>& a, const std::vector<Complex>& b) {
    double most = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        most = std::max(most, std::abs(a[i] - b[i]));
    return most;
}

TEST(Fourier, MatchesTheDefiningSumOnEveryKindOfLength) {
    for (std::size_t n : {1u, 2u, 3u, 4u, 5u, 7u, 12u, 30u, 97u, 360u, 441u, 1024u}) {
        const std::vector<Complex> x = noise(n, unsigned(n));
        std::vector<Complex> direct(n);
        for (std::size_t k = 0; k < n; ++k)
            for (std::size_t t = 0; t < n; ++t)
                direct[k] += x[t] * std::polar(1.0, -2 * std::numbers::pi * double(k * t % n) /
                                                        double(n));
        const std::vector<Complex> fast = vs::fourierForward(x);
        ASSERT_EQ(fast.size(), n);
        EXPECT_LT(largestDifference(fast, direct), 1e-9 * double(n)) << "length " << n;
        EXPECT_LT(largestDifference(vs::fourierInverse(fast), x), 1e-12 * double(n))
            << "length " << n;
    }
}

TEST(Fourier, AToneOnTheWaveLengthLandsInItsTwoBins) {
    constexpr std::size_t n = 44100, bin = 1000;
    std::vector<Complex> x(n);
    for (std::size_t t = 0; t < n; ++t)
        x[t] = std::cos(2 * std::numbers::pi * double(bin * t) / double(n));
    const std::vector<Complex> X = vs::fourierForward(x);
    for (std::size_t k = 0; k < n; ++k) {
        const double want = k == bin || k == n - bin ? n / 2.0 : 0.0;
        ASSERT_NEAR(std::abs(X[k]), want, 1e-6) << "bin " << k;
    }
    EXPECT_LT(largestDifference(vs::fourierInverse(X), x), 1e-12);
}

} // namespace
