// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the random sequences of new segments come from: the curve editor picks
// one for every point it adds, the file reader for every segment a file leaves
// without one. Tests hand in scripted sources.
#include <random>

namespace vs::session {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Starts a new stream from the clock; the editor does so before each new point.
    virtual void seedFromClock() = 0;
    // Uniform in [0, 1).
    virtual double next() = 0;
};

// Seeded from the clock when made and on every seedFromClock().
class ClockRandom : public RandomSource {
public:
    ClockRandom();
    void seedFromClock() override;
    double next() override;

private:
    std::mt19937 gen_;
};

// Process-wide clock source, the default wherever no source is handed in.
RandomSource& clockRandom();

} // namespace vs::session
