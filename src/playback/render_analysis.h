// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The verification of a render, from the rendered samples alone: second by
// second the frequency of the left and the right tone and the beat between
// them against what the drawn curves ask for, the peak level, clipping, and
// clicks (a step from one sample to the next larger than the tones and the
// masking noise, and the light carrier when it is on, at their levels can make).
//
// The tones are read by tone_reader.h; what was found goes into the report
// of verification_report.h.
//
// Thread rule: one thread at a time, any thread.
#include "playback/session_render.h"
#include "playback/verification_report.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vs::playback {

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

} // namespace vs::playback
