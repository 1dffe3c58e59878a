// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Measuring rendered sound: pitch from interpolated zero crossings, level and
// distortion from a least-squares sine fit. Shared by the tests and the
// benchmarks.
#include <vector>

namespace vs::test {

std::vector<float> channelOf(const std::vector<float>& interleaved, int channel);

// Frequency in Hz of a steady tone: mean period between the first and last
// rising zero crossings, each placed by linear interpolation.
double toneFrequency(const std::vector<float>& x, double sampleRate);

struct SineFit {
    double amplitude = 0; // peak
    double phase = 0;     // radians, of sin at sample 0
    double dc = 0;
    double residualRms = 0; // everything that is not the tone or DC
    // THD+N in dB relative to the tone.
    double thdnDb() const;
};
SineFit fitSine(const std::vector<float>& x, double frequency, double sampleRate);

double rms(const std::vector<float>& x);
double peak(const std::vector<float>& x);
// Largest difference between neighbouring samples.
double largestStep(const std::vector<float>& x);

} // namespace vs::test
