// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the verification of a render found, second by second and as a whole,
// and the report written from it: the short Spanish verdict, the JSON of the
// command-line renderer and its one-line summary.
//
// Thread rule: one thread at a time, any thread.
#include "links/player_links.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vs::playback {

struct SecondCheck {
    int second = 0;
    double drawnBase = 0;                 // Hz, the base curve at the start of this second
    double drawnBeat = 0;                 // Hz, the beat curve
    bool measured = false;                // both tones loud enough and above kLowestMeasurableHz
    double left = 0, right = 0, beat = 0; // Hz measured
    double levelLeft = 0, levelRight = 0; // tone peaks, -1..1 scale
};

struct VerificationReport {
    static constexpr double kToleranceHz = 0.1;
    static constexpr double kLowestMeasurableHz = 20;

    std::vector<SecondCheck> seconds;
    int measuredSeconds = 0;
    double maxErrorLeft = 0, maxErrorRight = 0, maxErrorBeat = 0; // Hz
    int worstBeatSecond = -1;
    double peak = 0; // largest |sample|
    std::int64_t clippedSamples = 0;
    double firstClipSeconds = -1;
    bool clicksChecked = true; // not with background music: its steps are its own
    std::int64_t clicks = 0;
    std::vector<double> clickSeconds; // the first few, seconds from the start
    std::int64_t frames = 0;

    bool tonesFollowCurves() const;
    bool passed() const;
    // Short Spanish verdict, one line per finding.
    std::string verdict() const;
};

// The report as JSON, for the command-line renderer.
std::string reportJson(const VerificationReport& report, const std::string& sessionName,
                       const links::RenderNotes& notes = {});
// One line for a terminal.
std::string reportSummary(const VerificationReport& report);

} // namespace vs::playback
