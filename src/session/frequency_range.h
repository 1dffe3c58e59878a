// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How far the graph's two maxima may go: the bounds the options dialog's
// spinners offer, and the maxima that keep a point of a given frequency on
// the graph. The dialog narrows its spinners with these; an imported session
// picks its scale with them.
namespace vs::session {

inline constexpr int kBinauralMaxLowest = 14;
inline constexpr int kBinauralMaxHighest = 30;
inline constexpr int kBaseMaxLowest = 450;
inline constexpr int kBaseMaxHighest = 1000;
inline constexpr int kBaseMaxStep = 10; // the base spinner moves in tens

// The maxima from `lowest` to `highest` keep the points on the graph; when
// `lowest` is above `highest` no maximum in the bounds does.
struct MaxRange {
    int lowest = 0;
    int highest = 0;
};

// For beat points up to `highestHz`: the whole maxima from the highest point
// rounded up to the top bound.
MaxRange binauralMaxRange(double highestHz);

// For base points from `lowestHz` to `highestHz`, in steps of ten: from the
// highest point rounded up to tens, to the lowest point rounded down to tens
// plus the 450 Hz the axis spans.
MaxRange baseMaxRange(double lowestHz, double highestHz);

} // namespace vs::session
