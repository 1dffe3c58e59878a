// SPDX-License-Identifier: GPL-3.0-or-later
#include "frequency_range.h"

#include "session_model.h"

#include <algorithm>
#include <cmath>

namespace vs::session {
namespace {

// Markers sit at float positions: a point drawn exactly at 17 Hz may read
// 17.00001 and must not push the floor to 18.
constexpr double kSlack = 1e-3;

// Far beyond any bound, so the conversions to int stay defined whatever a
// file holds.
double held(double hz) {
    return std::isnan(hz) ? 0 : std::clamp(hz, -1e6, 1e6);
}

int upToStep(double hz, int step) {
    return static_cast<int>(std::ceil((held(hz) - kSlack) / step)) * step;
}

int downToStep(double hz, int step) {
    return static_cast<int>(std::floor((held(hz) + kSlack) / step)) * step;
}

} // namespace

MaxRange binauralMaxRange(double highestHz) {
    return {std::max(kBinauralMaxLowest, upToStep(highestHz, 1)), kBinauralMaxHighest};
}

MaxRange baseMaxRange(double lowestHz, double highestHz) {
    const int span = static_cast<int>(kBaseSpan);
    return {std::max(kBaseMaxLowest, upToStep(highestHz, kBaseMaxStep)),
            std::min(kBaseMaxHighest, downToStep(lowestHz, kBaseMaxStep) + span)};
}

} // namespace vs::session
