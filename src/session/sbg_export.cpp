// SPDX-License-Identifier: GPL-3.0-or-later
// A session as a schedule for the command-line beat generators. Each time at
// which either curve has a point gets a tone-set with both curves' values
// there, and a time line that slides ("==" ... "->") to the next, so the
// generator draws the same straight lines between them. The beat's sign is
// '-': the higher tone on the right, as the session plays it.
#include "import_draft.h"

#include "base/file_replace.h"
#include "base/numeric.h"

#include <algorithm>
#include <cstdio>

namespace vs::session {
namespace {

// A curve at whole seconds, in hertz.
Polyline exported(const SessionModel& m, const Curve& curve, bool beat, int length) {
    Polyline line;
    for (int i = 1; i <= curve.count(); ++i) {
        const double t = std::clamp(roundHalfEven(m.timeMs(curve[i].Left) / 1000), 0.0, double(length));
        const double hz = beat ? m.binauralHz(curve[i].Top) : m.baseHz(curve[i].Top);
        line.push_back({t, std::max(0.0, hz)});
    }
    std::stable_sort(line.begin(), line.end(),
                     [](const TimedValue& a, const TimedValue& b) { return a.t < b.t; });
    return line;
}

// The curve's value on the `nth` line at time t: its own points there in
// turn (a jump takes two lines), else the line between its points.
double valueOn(const Polyline& line, double t, int nth) {
    const auto from = std::lower_bound(line.begin(), line.end(), t,
                                       [](const TimedValue& p, double x) { return p.t < x; });
    const auto to = std::find_if(from, line.end(), [t](const TimedValue& p) { return p.t != t; });
    if (from == to) return valueAt(line, t);
    return (from + std::min<std::ptrdiff_t>(nth, to - from - 1))->v;
}

int pointsAt(const Polyline& line, double t) {
    return static_cast<int>(std::count_if(line.begin(), line.end(),
                                           [t](const TimedValue& p) { return p.t == t; }));
}

std::string clock(int seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

} // namespace

std::string sbgText(const SessionModel& m, const SbgLevels& levels) {
    const int length = m.lengthSeconds();
    if (length <= 0) return {};
    const Polyline beat = exported(m, m.Punto, true, length);
    const Polyline base = exported(m, m.PuntoFR, false, length);
    std::vector<double> times{0, double(length)};
    for (const Polyline* line : {&beat, &base})
        for (const TimedValue& p : *line)
            times.push_back(p.t);
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());

    const int mask = std::clamp(levels.mask, 0, 100);
    const std::string amplitude = "/" + std::to_string(std::clamp(levels.binaural, 0, 100));
    std::string sets;
    std::vector<std::string> lines;
    for (const double t : times) {
        const int repeats = std::max({1, pointsAt(beat, t), pointsAt(base, t)});
        for (int nth = 0; nth < repeats; ++nth) {
            const double b = valueOn(beat, t, nth);
            const std::string beatText = import::shortNumber(b, 4);
            char name[16];
            std::snprintf(name, sizeof name, "vs%02d", static_cast<int>(lines.size()) + 1);
            sets += std::string(name) + ": " + import::shortNumber(valueOn(base, t, nth) + b / 2, 4) +
                    (beatText == "0" ? "" : "-" + beatText) + amplitude +
                    (mask > 0 ? " pink/" + std::to_string(mask) : "") + "\n";
            lines.push_back((lines.empty() ? std::string("NOW") : "+" + clock(static_cast<int>(t))) +
                            " == " + name);
        }
    }
    std::string text = "## Velorin Somnara: sesión de " +
                       FormatoTiempo(std::int64_t(length) * 1000) + "\n-SE\n\n" + sets + "\n";
    // Every line slides to the next; the last only ends the schedule.
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += lines[i] + (i + 1 < lines.size() ? " ->\n" : "\n");
    return text;
}

bool writeSbg(const SessionModel& model, const SbgLevels& levels, const std::string& path) {
    const std::string text = sbgText(model, levels);
    return !text.empty() && replaceFileContents(path, text);
}

} // namespace vs::session
