// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Random source for the session tests: plays back the given numbers in a loop
// and counts draws and reseeds.
#include "session/random_source.h"

#include <cstddef>
#include <vector>

namespace vs::session::test {

class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> values = {0.5}) : values_(std::move(values)) {}
    void seedFromClock() override { ++seeds; }
    double next() override {
        ++draws;
        return values_[pos_++ % values_.size()];
    }
    std::size_t used() const { return pos_; }
    int seeds = 0;
    int draws = 0;

private:
    std::vector<double> values_;
    std::size_t pos_ = 0;
};

} // namespace vs::session::test
