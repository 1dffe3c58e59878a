// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/fourier.h"

#include <cmath>
#include <cstddef>
#include <numbers>

namespace vs::playback {
namespace {

using Complex = std::complex<double>;

std::size_t smallestFactor(std::size_t n) {
    for (std::size_t p = 2; p * p <= n; ++p)
        if (n % p == 0) return p;
    return n;
}

struct Transform {
    std::vector<Complex> roots; // roots[j] = e^(-+2 pi i j / N), the whole length's
    std::vector<Complex> sums;  // one stage's p terms

    // out[0..n) = the DFT of in[0], in[stride], ... (n terms), whose roots are
    // every `step`-th of the whole length's (step * n = N).
    void run(Complex* out, const Complex* in, std::size_t n, std::size_t stride, std::size_t step) {
        if (n == 1) {
            out[0] = in[0];
            return;
        }
        const std::size_t p = smallestFactor(n), m = n / p;
        for (std::size_t r = 0; r < p; ++r)
            run(out + r * m, in + r * stride, m, stride * p, step * p);
        // out[r m + k] now holds the r-th subsequence's term k; X[k + q m] is
        // the p-point DFT over r of those, each turned by the root^(r k).
        const std::size_t toP = step * m; // roots[toP * j] = e^(-+2 pi i j / p)
        const std::size_t whole = roots.size();
        sums.resize(p);
        for (std::size_t k = 0; k < m; ++k) {
            for (std::size_t r = 0; r < p; ++r)
                sums[r] = out[r * m + k] * roots[step * r * k];
            for (std::size_t q = 0; q < p; ++q) {
                Complex s = sums[0];
                for (std::size_t r = 1; r < p; ++r)
                    s += sums[r] * roots[(toP * ((r * q) % p)) % whole];
                out[k + q * m] = s;
            }
        }
    }
};

} // namespace

std::vector<Complex> fourier(const std::vector<Complex>& x, FourierDirection direction) {
    const std::size_t n = x.size();
    std::vector<Complex> out(n);
    if (n == 0) return out;
    const double sign = direction == FourierDirection::Forward ? -1.0 : 1.0;
    Transform t;
    t.roots.resize(n);
    for (std::size_t j = 0; j < n; ++j)
        t.roots[j] = std::polar(1.0, sign * 2 * std::numbers::pi * double(j) / double(n));
    t.run(out.data(), x.data(), n, 1, 1);
    if (direction == FourierDirection::Inverse)
        for (Complex& v : out)
            v /= double(n);
    return out;
}

} // namespace vs::playback
