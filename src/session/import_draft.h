// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each importer hands over once it has read its file: the beat and the
// base over time, the noise and what could not be carried. Making a session
// of it (length, scale, simplification, markers) is the same for every format.
#include "polyline.h"
#include "session_import.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vs::session::import {

// The lower of the two tones round a carrier, which is the session's base.
inline double lowerTone(double carrier, double beat) {
    return carrier - (beat < 0 ? -beat : beat) / 2;
}

// A number with at most `decimals` decimals and no trailing zeros: "205.5", "10".
std::string shortNumber(double v, int decimals);
// The same the Spanish way, with a decimal comma.
std::string spanishNumber(double v, int decimals);

// One Spanish message. What the file holds that a session cannot play is
// grouped by what it is, each with the places it stands at ("líneas 4 y 9",
// "voz 3"), in the order first met; whole sentences follow.
class Notes {
public:
    // How a place is named, alone and in the plural: "línea", "líneas".
    Notes(std::string place, std::string places)
        : place_(std::move(place)), places_(std::move(places)) {}
    void notCarried(const std::string& what, int where);
    void sentence(std::string text);
    std::string text() const;

private:
    struct Lost {
        std::string what;
        std::vector<int> where;
    };
    std::string place_, places_;
    std::vector<Lost> lost_;
    std::vector<std::string> sentences_;
};

struct Draft {
    Polyline beat; // hertz; times in seconds from the start, the last at `length`
    Polyline base; // the lower tone, at the same times
    double length = 0;
    // The noise's levels on the mask's scale, when the schedule plays one.
    std::optional<double> noiseLowest, noiseHighest;
    std::string noiseName; // "ruido rosa"
    Notes notes;
};

// The session made of a draft whose length is above 0. Rejected only when it
// rounds to no whole second.
ImportResult finish(Draft draft, const ImportScale& scale);

// How a reader stops at the first fault: reject() throws, finishWith() catches.
struct Rejected {
    ImportRejection rejection;
};
[[noreturn]] void reject(int line, std::string reason);

// The session made of what `read` returns, or the rejection it threw.
template <typename Read> ImportResult finishWith(Read read, const ImportScale& scale) {
    try {
        return finish(read(), scale);
    } catch (const Rejected& r) {
        return r.rejection;
    }
}

// The file's text as a reason shows it: «...», printable ASCII, cut short.
std::string quoted(std::string_view text);

} // namespace vs::session::import
