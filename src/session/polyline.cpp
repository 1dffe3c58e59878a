// SPDX-License-Identifier: GPL-3.0-or-later
#include "polyline.h"

#include "curve.h"

#include <algorithm>
#include <cmath>

namespace vs::session {

double valueAt(const Polyline& line, double t) {
    if (line.empty()) return 0;
    if (t <= line.front().t) return line.front().v;
    for (std::size_t i = 1; i < line.size(); ++i)
        if (t <= line[i].t)
            return segmentValue(t, line[i - 1].t, line[i].t, line[i - 1].v, line[i].v);
    return line.back().v;
}

void cutAt(Polyline& line, double end) {
    if (line.empty() || line.back().t <= end) return;
    const double v = valueAt(line, end);
    std::erase_if(line, [end](const TimedValue& p) { return p.t >= end; });
    line.push_back({end, v});
}

Simplified simplify(const Polyline& line, int maxPoints, double tolerance) {
    const std::size_t n = line.size();
    if (n <= 2) return {line, 0};
    std::vector<bool> kept(n, false);
    kept.front() = kept.back() = true;
    int count = 2;
    double worst = 0;
    for (;;) {
        // The farthest point from the chord between the kept points around it.
        worst = 0;
        std::size_t far = 0, from = 0;
        for (std::size_t to = 1; to < n; ++to) {
            if (!kept[to]) continue;
            const TimedValue &a = line[from], &b = line[to];
            for (std::size_t i = from + 1; i < to; ++i) {
                const double error =
                    std::abs(line[i].v - segmentValue(line[i].t, a.t, b.t, a.v, b.v));
                if (error > worst) {
                    worst = error;
                    far = i;
                }
            }
            from = to;
        }
        if (worst <= tolerance || count >= maxPoints) break;
        kept[far] = true;
        ++count;
    }
    Simplified s;
    for (std::size_t i = 0; i < n; ++i)
        if (kept[i]) s.points.push_back(line[i]);
    s.maxError = worst;
    return s;
}

} // namespace vs::session
