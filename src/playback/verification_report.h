// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the verification of a render found, second by second and as a whole,
// and the report written from it: the short Spanish verdict, the JSON of the
// command-line renderer and its one-line summary.
//
// Thread rule: one thread at a time, any thread.
#include "links/player_links.h"
#include "playback/sound_choice.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vs::playback {

// Whether a second's two tones were measured, and if not, why.
enum class SecondReading {
    Measured,
    NoTones,    // the tones are not ticked
    OutOfRange, // a drawn frequency outside what can be read
    Silent,     // a tone that should sound is not there (before the first tick, a faded end)
    Covered,    // other sound (the music) fills the band around a tone
};
inline constexpr int kSecondReadings = 5;

struct SecondCheck {
    int second = 0;
    double drawnBase = 0;                 // Hz, the base curve at the start of this second
    double drawnBeat = 0;                 // Hz, the beat curve
    SecondReading reading = SecondReading::Silent;
    bool measured = false;                // reading == Measured
    double left = 0, right = 0, beat = 0; // Hz read (measured only when `measured`)
    double levelLeft = 0, levelRight = 0; // tone peaks, -1..1 scale
    // How much other sound each reading carries (render_analysis.h)
    double disturbanceLeft = 0, disturbanceRight = 0;
};

struct VerificationReport {
    static constexpr double kToleranceHz = 0.1;
    static constexpr double kLowestMeasurableHz = 20;
    static constexpr double kHighestMeasurableHz = 20000;

    std::vector<SecondCheck> seconds;
    bool tonesOn = true;                   // the export sounds the binaural tones
    PulseType pulse = PulseType::Binaural; // how the beat is carried (sound_choice.h)
    int measuredSeconds = 0;
    // The seconds not measured, by why (indexed by SecondReading).
    std::array<int, kSecondReadings> unmeasured{};
    double maxErrorLeft = 0, maxErrorRight = 0, maxErrorBeat = 0; // Hz
    int worstBeatSecond = -1;
    double peak = 0; // largest |sample|
    std::int64_t clippedSamples = 0;
    double firstClipSeconds = -1;
    bool clicksChecked = true; // not with background music: its steps are its own
    std::int64_t clicks = 0;
    std::vector<double> clickSeconds; // the first few, seconds from the start
    std::int64_t frames = 0;

    int unmeasuredFor(SecondReading why) const { return unmeasured[std::size_t(why)]; }
    bool tonesFollowCurves() const;
    // Never with no second measured: a render whose tones could not be
    // read has not been shown to follow its curves.
    bool passed() const;
    // Short Spanish verdict, one line per finding.
    std::string verdict() const;
};

// What the report's two plots show for the pulse type: the beat, then the
// carrier.
std::string beatPlotTitle(PulseType pulse);
std::string carrierPlotTitle(PulseType pulse);

// The report as JSON, for the command-line renderer.
std::string reportJson(const VerificationReport& report, const std::string& sessionName,
                       const links::RenderNotes& notes = {});
// One line for a terminal.
std::string reportSummary(const VerificationReport& report);

} // namespace vs::playback
