// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The verification of a render, from the rendered samples alone: second by
// second the frequency of the left and the right tone and the beat between
// them against what the drawn curves ask for, the peak level, clipping, and
// clicks (a step from one sample to the next larger than the tones and the
// masking noise, and the light carrier when it is on, at their levels can make).
//
// The tones are read by tone_reader.h; what each channel should hold in a
// second is said in one place, expectedTones(); what was found goes into the
// report of verification_report.h. Where the beat is heard in each ear
// (monaural, isochronic) it is read from each channel's envelope
// (envelope_reader.h): the pulses of the last second or of the last five
// periods, against the beat curve's mean over them.
//
// Thread rule: one thread at a time, any thread.
#include "playback/envelope_reader.h"
#include "playback/session_render.h"
#include "playback/tone_reader.h"
#include "playback/verification_report.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vs::playback {

// What one channel should sound in a second (monaural: one of the two tones
// each channel holds).
struct ExpectedTone {
    double hz = 0;       // the drawn frequency
    bool sounds = false; // a tone is there to be read at all
};

struct ExpectedTones {
    std::array<ExpectedTone, 2> channel; // left, right
    // Both tones sound at one level (one volume, one master gain, one fade):
    // readings that differ in level tell of other sound in one of them.
    bool sameLevel = true;
};

// The tones the curves and the export's controls put in each channel during
// the second that starts at `second`.
ExpectedTones expectedTones(const session::SessionModel& model, const ExportOptions& options,
                            int second);

class RenderAnalyser : public FrameSink {
public:
    static constexpr int kMaxClickTimes = 20;
    // How much other sound a tone's reading may carry for it to count: its
    // interference (tone_reader.h) plus how far the two tones' levels read
    // apart, as fractions. A disturbance of x moves a reading by up to about
    // 2x Hz: the four shipped songs under the three shipped sessions, 9000
    // seconds of them, moved none of the readings this lets through by more
    // than 0.045 Hz, and left about a fifth of the seconds unmeasured.
    static constexpr double kMostDisturbance = 0.05;
    // Monaural tones closer than this share the band each is read in: the
    // beat is then read from the envelope alone.
    static constexpr double kSeparableHz = 2 * ToneReader::kSearchHz + 1;
    // The slowest beat an envelope is read at, and how long a sounding tone
    // may go without a pulse before its beat is taken as gone.
    static constexpr double kSlowestEnvelopeHz = 0.5;
    static constexpr double kLongestPeriodSeconds = 3;

    RenderAnalyser(const session::SessionModel& model, const ExportOptions& options);
    bool write(const float* interleavedStereo, int frames) override;
    // Measures what is left of the last second and returns the report.
    const VerificationReport& finish();
    const VerificationReport& report() const { return report_; }

private:
    void startSecond();
    void scan(const float* x, int frames);
    void findClipsAndClicks(const float* x, int frames, bool checkClicks);
    void endSecond();
    void endEnvelopeSecond(const std::array<ToneReading, 2>& got,
                           const std::array<ToneReading, 2>& crossed);
    double meanBeat(double from, double to) const;

    session::SessionModel model_;
    ExportOptions options_;
    double tonePeak_;
    double maskPeak_;
    double lightStep_; // the light carrier's largest step, 0 without it
    ToneReader reader_;
    // Monaural: the other tone of each channel, and both channels' envelopes.
    ToneReader crossReader_;
    std::array<EnvelopeReader, 2> envelope_;
    bool crossReading_ = false, envelopeReading_ = false;
    double envelopeHz_ = 0;
    std::array<std::vector<double>, 2> pulses_; // each ear's recent pulses
    std::array<double, 2> lastRate_{};
    double soundingSince_ = -1;
    // The second under way: how far into it, what it should sound, whether
    // its tones are read, the largest step they and the noise may take.
    int inSecond_ = 0;
    SecondCheck current_;
    ExpectedTones expected_;
    bool reading_ = false;
    float stepLimit_ = 0;
    float lastL_ = 0, lastR_ = 0;
    double lastClick_ = -1;
    VerificationReport report_;
};

} // namespace vs::playback
