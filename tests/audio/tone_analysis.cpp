// SPDX-License-Identifier: GPL-3.0-or-later
#include "tone_analysis.h"

#include <cmath>

namespace vs::test {

std::vector<float> channelOf(const std::vector<float>& in, int channel) {
    std::vector<float> out(in.size() / 2);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = in[2 * i + std::size_t(channel)];
    return out;
}

double toneFrequency(const std::vector<float>& x, double rate) {
    double first = -1, last = -1;
    long crossings = 0;
    for (std::size_t i = 1; i < x.size(); ++i) {
        if (x[i - 1] < 0.0f && x[i] >= 0.0f) {
            const double t = double(i - 1) + double(x[i - 1]) / double(x[i - 1] - x[i]);
            if (first < 0) first = t;
            last = t;
            ++crossings;
        }
    }
    if (crossings < 2) return 0;
    return double(crossings - 1) / (last - first) * rate;
}

SineFit fitSine(const std::vector<float>& x, double frequency, double rate) {
    // Normal equations for a*sin + b*cos + c.
    const double w = 2 * M_PI * frequency / rate;
    double A[3][3] = {}, B[3] = {};
    for (std::size_t k = 0; k < x.size(); ++k) {
        const double v[3] = {std::sin(w * double(k)), std::cos(w * double(k)), 1.0};
        for (int i = 0; i < 3; ++i) {
            B[i] += v[i] * x[k];
            for (int j = 0; j < 3; ++j)
                A[i][j] += v[i] * v[j];
        }
    }
    for (int c = 0; c < 3; ++c)
        for (int r = c + 1; r < 3; ++r) {
            const double m = A[r][c] / A[c][c];
            for (int k = c; k < 3; ++k)
                A[r][k] -= m * A[c][k];
            B[r] -= m * B[c];
        }
    double s[3];
    for (int c = 2; c >= 0; --c) {
        double sum = B[c];
        for (int k = c + 1; k < 3; ++k)
            sum -= A[c][k] * s[k];
        s[c] = sum / A[c][c];
    }
    SineFit f;
    f.amplitude = std::hypot(s[0], s[1]);
    f.phase = std::atan2(s[1], s[0]);
    f.dc = s[2];
    double res = 0;
    for (std::size_t k = 0; k < x.size(); ++k) {
        const double e =
            x[k] - (s[0] * std::sin(w * double(k)) + s[1] * std::cos(w * double(k)) + s[2]);
        res += e * e;
    }
    f.residualRms = x.empty() ? 0 : std::sqrt(res / double(x.size()));
    return f;
}

double SineFit::thdnDb() const {
    return 20 * std::log10(residualRms / (amplitude / std::sqrt(2.0)));
}

double rms(const std::vector<float>& x) {
    double s = 0;
    for (float v : x)
        s += double(v) * v;
    return x.empty() ? 0 : std::sqrt(s / double(x.size()));
}

double peak(const std::vector<float>& x) {
    double p = 0;
    for (float v : x)
        p = std::max(p, double(std::fabs(v)));
    return p;
}

double largestStep(const std::vector<float>& x) {
    double m = 0;
    for (std::size_t i = 1; i < x.size(); ++i)
        m = std::max(m, double(std::fabs(x[i] - x[i - 1])));
    return m;
}

} // namespace vs::test
