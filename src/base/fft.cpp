// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/fft.h"

#include <cmath>
#include <algorithm>
#include <cstddef>
#include <numbers>

namespace vs {
namespace {

using Complex = std::complex<double>;

std::size_t smallestFactor(std::size_t n) {
    for (std::size_t p = 2; p * p <= n; ++p)
        if (n % p == 0) return p;
    return n;
}

struct Transform {
    std::vector<Complex> roots; // e^(-+2 pi i t / N), t = 0..N-1
    std::vector<Complex> gathered;

    // out[0..n) = the transform of in[0], in[stride], ... in[(n-1) stride];
    // `step` = N / n picks this length's roots out of the full table.
    void run(const Complex* in, Complex* out, std::size_t n, std::size_t stride,
             std::size_t step) {
        if (n == 1) {
            out[0] = in[0];
            return;
        }
        const std::size_t p = smallestFactor(n), m = n / p;
        for (std::size_t j = 0; j < p; ++j)
            run(in + j * stride, out + j * m, m, stride * p, step * p);
        // Decimation in time: out[j m + k] holds the j-th sub-transform's bin
        // k; bins k, k + m, ... k + (p-1) m come from those p values alone.
        const std::size_t full = roots.size();
        gathered.resize(std::max(gathered.size(), p));
        for (std::size_t k = 0; k < m; ++k) {
            for (std::size_t j = 0; j < p; ++j)
                gathered[j] = out[j * m + k] * roots[(j * k * step) % full];
            for (std::size_t q = 0; q < p; ++q) {
                Complex sum = 0;
                for (std::size_t j = 0; j < p; ++j)
                    sum += gathered[j] * roots[(j * q * m * step) % full];
                out[k + q * m] = sum;
            }
        }
    }
};

std::vector<Complex> transform(const std::vector<Complex>& x, double sign) {
    const std::size_t n = x.size();
    std::vector<Complex> out(n);
    if (n == 0) return out;
    Transform t;
    t.roots.resize(n);
    for (std::size_t k = 0; k < n; ++k)
        t.roots[k] = std::polar(1.0, sign * 2 * std::numbers::pi * double(k) / double(n));
    t.run(x.data(), out.data(), n, 1, 1);
    return out;
}

} // namespace

std::vector<Complex> fourierForward(const std::vector<Complex>& x) {
    return transform(x, -1);
}

std::vector<Complex> fourierInverse(const std::vector<Complex>& x) {
    std::vector<Complex> out = transform(x, +1);
    for (Complex& v : out)
        v /= double(out.size());
    return out;
}

} // namespace vs
