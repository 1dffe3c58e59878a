// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_source.h"

#include <chrono>

namespace vs::session {

ClockRandom::ClockRandom() {
    seedFromClock();
}

void ClockRandom::seedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    gen_.seed(static_cast<std::mt19937::result_type>(now ^ (now >> 32)));
}

double ClockRandom::next() {
    return std::generate_canonical<double, 32>(gen_);
}

RandomSource& clockRandom() {
    static ClockRandom random;
    return random;
}

} // namespace vs::session
