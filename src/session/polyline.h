// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A value over time as a list of points joined by straight lines, as a
// schedule of another program gives it before it becomes a curve of at most
// 30 markers. Times never decrease; two points may share a time (a jump).
#include <vector>

namespace vs::session {

struct TimedValue {
    double t = 0; // seconds
    double v = 0; // hertz
    bool operator==(const TimedValue&) const = default;
};
using Polyline = std::vector<TimedValue>;

// The value at t: the first point's before it, the last's after it, linear in
// between; at a jump, the value the line arrives with.
double valueAt(const Polyline& line, double t);

// Drops what lies after `end`, ending the line with its value there.
void cutAt(Polyline& line, double end);

struct Simplified {
    Polyline points;
    double maxError = 0; // the farthest any dropped point lies from the result, in hertz
};

// Douglas-Peucker by the vertical distance (the error in hertz): from the two
// ends, the farthest point from the line so far is kept, again and again,
// until none is farther than `tolerance` or `maxPoints` are kept.
Simplified simplify(const Polyline& line, int maxPoints, double tolerance);

} // namespace vs::session
