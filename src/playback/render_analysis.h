// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The verification of a render, from the rendered samples alone: second by
// second the frequency of the left and the right tone and the beat between
// them against what the drawn curves ask for, the peak level, clipping, and
// clicks (a step from one sample to the next larger than the tones and the
// masking noise, and the light carrier when it is on, at their levels can make).
//
// Frequencies are found by following the phase of each tone near the drawn
// value through ten windowed tenths of the second, so an error of a few
// hundredths of a hertz shows; a tone more than 4 Hz off may be read wrong.
//
// Thread rule: one thread at a time, any thread.
#include "playback/session_render.h"

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

class RenderAnalyser : public FrameSink {
public:
    static constexpr int kMaxClickTimes = 20;

    RenderAnalyser(const session::SessionModel& model, const ExportOptions& options);
    bool write(const float* interleavedStereo, int frames) override;
    // Measures what is left of the last second and returns the report.
    const VerificationReport& finish();
    const VerificationReport& report() const { return report_; }

private:
    void analyseSecond();

    session::SessionModel model_;
    double tonePeak_;
    double maskPeak_;
    double lightStep_;                          // the light carrier's largest step, 0 without it
    std::vector<float> buffer_;                 // one second, interleaved
    std::size_t filled_ = 0;                    // frames in buffer_
    std::vector<float> left_, right_, re_, im_; // the second's channels; a tenth's phasor table
    float lastL_ = 0, lastR_ = 0;
    double lastClick_ = -1;
    VerificationReport report_;
};

// The report as JSON, for the command-line renderer.
std::string reportJson(const VerificationReport& report, const std::string& sessionName,
                       const links::RenderNotes& notes = {});
// One line for a terminal.
std::string reportSummary(const VerificationReport& report);

} // namespace vs::playback
