// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/render_analysis.h"

#include "audio/engine.h"
#include "audio/light_signal.h"
#include "playback/sample_kernels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vs::playback {
namespace {

constexpr int kRate = audio::kMixRate;
constexpr double kTwoPi = 2 * std::numbers::pi;
// What a step may exceed the tones' and the noise's largest by: rounding in
// the mixer and the gain glides.
constexpr double kStepMargin = 0.002;
// How far above its own peak a tone's reading may come before something
// else is taken to sound with it (the reading's own error is far smaller).
constexpr double kLevelMargin = 1.1;
constexpr double kSilentFraction = 0.01;
constexpr double kFaintestEnvelope = 0.1;

// The largest step of the light carrier with an eye's four LEDs lit: a sine
// of that peak moves by at most 2 sin(pi f / rate) times it between samples.
double lightStepFor() {
    return 2 * std::sin(std::numbers::pi * audio::LightSignal::kCarrierHz / kRate) *
           audio::LightSignal::amplitudeFor(4);
}

bool readable(double hz) {
    return hz >= VerificationReport::kLowestMeasurableHz &&
           hz <= VerificationReport::kHighestMeasurableHz;
}

} // namespace

ExpectedTones expectedTones(const session::SessionModel& model, const ExportOptions& options,
                            int second) {
    // The player holds both curves at zero from below.
    const double tMs = second * 1000.0;
    const double base = std::max(0.0, model.baseAt(tMs));
    const double beat = std::max(0.0, model.binauralAt(tMs));
    ExpectedTones e;
    // Binaural and monaural: the left tone at the base, the right one the
    // beat above it (monaural: both in each channel, at half the level);
    // isochronic: the base tone alone, in both ears.
    const double second2 = options.sound.pulse == PulseType::Isochronic ? base : base + beat;
    e.channel = {ExpectedTone{base, options.binaural}, ExpectedTone{second2, options.binaural}};
    return e;
}

RenderAnalyser::RenderAnalyser(const session::SessionModel& model, const ExportOptions& options)
    : model_(model), options_(options), tonePeak_(tonePeakFor(options)),
      maskPeak_(maskPeakFor(options)),
      lightStep_(options.luz ? lightStepFor() : 0.0), envelope_{EnvelopeReader(kRate, 0),
                                                                EnvelopeReader(kRate, 1)} {
    report_.clicksChecked = !options.musica;
    report_.tonesOn = options.binaural;
    report_.pulse = options.sound.pulse;
}

// The frames are taken where they are, in pieces of any size: each second's
// tones are read as its frames come (tone_reader.h), and its peaks and steps
// with them, piece by piece.
bool RenderAnalyser::write(const float* x, int frames) {
    while (frames > 0) {
        if (inSecond_ == 0) startSecond();
        const int n = std::min(frames, kRate - inSecond_);
        scan(x, n);
        inSecond_ += n;
        x += 2 * n;
        frames -= n;
        if (inSecond_ == kRate) endSecond();
    }
    return true;
}

const VerificationReport& RenderAnalyser::finish() {
    if (inSecond_ > 0) endSecond();
    return report_;
}

void RenderAnalyser::startSecond() {
    current_ = SecondCheck{};
    current_.second = int(report_.frames / kRate);
    expected_ = expectedTones(model_, options_, current_.second);
    const std::array<ExpectedTone, 2>& want = expected_.channel;
    current_.drawnBase = want[0].hz;
    current_.drawnBeat = want[1].hz - want[0].hz;
    const PulseType pulse = options_.sound.pulse;
    const double tMs = current_.second * 1000.0;
    const double beat = std::max(0.0, model_.binauralAt(tMs));
    if (pulse != PulseType::Binaural) current_.drawnBeat = beat;
    const bool inRange = readable(want[0].hz) && readable(want[1].hz) &&
                         (pulse == PulseType::Binaural || beat >= kSlowestEnvelopeHz);
    reading_ = crossReading_ = envelopeReading_ = false;
    if (!want[0].sounds && !want[1].sounds) {
        current_.reading = SecondReading::NoTones;
    } else if (!inRange) {
        current_.reading = SecondReading::OutOfRange;
    } else if (pulse == PulseType::Monaural) {
        // Each channel read at each tone, when they lie far enough apart.
        envelopeReading_ = true;
        envelopeHz_ = want[0].hz + beat / 2;
        if (beat >= kSeparableHz) {
            reading_ = crossReading_ = true;
            reader_.begin({want[0].hz, want[1].hz});
            crossReader_.begin({want[1].hz, want[0].hz});
        }
    } else {
        reading_ = true;
        reader_.begin({want[0].sounds ? want[0].hz : 0, want[1].sounds ? want[1].hz : 0});
        envelopeReading_ = pulse == PulseType::Isochronic;
        envelopeHz_ = want[0].hz;
    }
    // The largest step a tone of this level can take at the highest
    // frequency it may be read at (none beyond half the rate), plus the
    // noise's and the light carrier's.
    const double fastest = std::min(want[0].hz + beat + ToneReader::kSearchHz + 5, kRate / 2.0);
    stepLimit_ =
        float(kTwoPi * fastest / kRate * tonePeak_ * 1.05 + maskPeak_ + lightStep_ + kStepMargin);
}

void RenderAnalyser::scan(const float* x, int frames) {
    if (reading_) reader_.add(x, frames);
    if (crossReading_) crossReader_.add(x, frames);
    if (envelopeReading_)
        for (EnvelopeReader& e : envelope_)
            e.add(x, frames, envelopeHz_, current_.drawnBeat);
    // A quick pass for the peak and the largest step; only a piece that
    // clips or steps too far is gone through sample by sample.
    float peak = 0, step = 0;
    detail::peakAndStep(x, frames, peak, step);
    const bool firstFrame = report_.frames + inSecond_ == 0;
    if (!firstFrame) step = std::max({step, std::abs(x[0] - lastL_), std::abs(x[1] - lastR_)});
    report_.peak = std::max(report_.peak, double(peak));
    const bool checkClicks = report_.clicksChecked && step > stepLimit_;
    if (peak >= 1.0f || checkClicks) findClipsAndClicks(x, frames, checkClicks);
    lastL_ = x[2 * frames - 2];
    lastR_ = x[2 * frames - 1];
}

void RenderAnalyser::findClipsAndClicks(const float* x, int frames, bool checkClicks) {
    const std::int64_t start = report_.frames + inSecond_;
    const bool firstFrame = start == 0;
    float prevL = lastL_, prevR = lastR_;
    for (int i = 0; i < frames; ++i) {
        const float L = x[2 * i], R = x[2 * i + 1];
        const double t = double(start + i) / kRate;
        if (std::max(std::abs(L), std::abs(R)) >= 1.0f) {
            if (report_.clippedSamples == 0) report_.firstClipSeconds = t;
            ++report_.clippedSamples;
        }
        if (checkClicks && (i > 0 || !firstFrame) &&
            std::max(std::abs(L - prevL), std::abs(R - prevR)) > stepLimit_) {
            ++report_.clicks;
            // Steps close together are one click.
            if ((lastClick_ < 0 || t - lastClick_ > 0.01) &&
                int(report_.clickSeconds.size()) < kMaxClickTimes)
                report_.clickSeconds.push_back(t);
            lastClick_ = t;
        }
        prevL = L;
        prevR = R;
    }
}

double RenderAnalyser::meanBeat(double from, double to) const {
    constexpr int kPoints = 16;
    double sum = 0;
    for (int i = 0; i < kPoints; ++i)
        sum += std::max(0.0, model_.binauralAt(1000 * (from + (to - from) * (i + 0.5) / kPoints)));
    return sum / kPoints;
}

// Monaural and isochronic: the carriers where they can be read (monaural:
// each channel at both tones), then the beat of each channel's envelope.
void RenderAnalyser::endEnvelopeSecond(const std::array<ToneReading, 2>& got,
                                       const std::array<ToneReading, 2>& crossed) {
    SecondCheck& c = current_;
    const std::array<ExpectedTone, 2>& want = expected_.channel;
    const bool monaural = options_.sound.pulse == PulseType::Monaural;
    // Monaural tones sound at half the level each.
    const double peak = monaural ? tonePeak_ / 2 : tonePeak_;
    const double quietest = std::max(ToneReader::kQuietestTone, kSilentFraction * peak);
    const double end = double(report_.frames + inSecond_) / kRate;
    c.reading = SecondReading::Measured;
    // Tone k (0 the base, 1 the upper) as read in each channel.
    std::array<std::array<const ToneReading*, 2>, 2> readings{};
    if (reading_) {
        readings[0] = {&got[0], monaural ? &crossed[1] : &got[1]};
        if (monaural) readings[1] = {&crossed[0], &got[1]};
    }
    bool quiet = false;
    std::array<double, 2> worst{}, worstHz{};
    for (int tone = 0; tone < 2; ++tone) {
        for (const ToneReading* r : readings[std::size_t(tone)]) {
            if (!r) continue;
            if (r->level < quietest) {
                quiet = true;
                continue;
            }
            if (!r->found || r->interference > kMostDisturbance || r->level > kLevelMargin * peak)
                c.reading = SecondReading::Covered;
            const double error = std::abs(r->hz - want[std::size_t(tone)].hz);
            if (error >= worst[std::size_t(tone)]) {
                worst[std::size_t(tone)] = error;
                worstHz[std::size_t(tone)] = r->hz;
            }
        }
    }
    c.levelLeft = got[0].level;
    c.levelRight = got[1].level;
    c.left = worstHz[0];
    c.right = readings[1][0] ? worstHz[1] : (monaural ? 0 : got[1].hz);
    // The beat of each ear's envelope: the pulses of the last second (of
    // the last five periods, at slow beats) against the curve's mean between
    // them; a tone that sounds on without pulses has lost its beat.
    double worstBeat = 0;
    bool beatRead = true;
    const double span = std::max(1.0, 5.5 / std::max(c.drawnBeat, kSlowestEnvelopeHz));
    for (int ch = 0; ch < 2; ++ch) {
        const std::size_t k = std::size_t(ch);
        std::vector<double>& p = pulses_[k];
        for (double at : envelope_[k].takePulses())
            p.push_back(at);
        const double lastPulse = p.empty() ? -1 : p.back();
        std::erase_if(p, [&](double at) { return at < end - span; });
        if (p.size() >= 3) {
            // A pulse split by a burst of noise, or one lost in it, leaves a
            // spacing far from the others': the rest tell the rate.
            std::vector<double> spacing(p.size() - 1);
            for (std::size_t i = 1; i < p.size(); ++i)
                spacing[i - 1] = p[i] - p[i - 1];
            std::vector<double> sorted = spacing;
            std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
            const double median = sorted[sorted.size() / 2];
            double sum = 0, expected = 0;
            int kept = 0;
            for (std::size_t i = 0; i < spacing.size(); ++i) {
                if (spacing[i] < 0.75 * median || spacing[i] > 1.33 * median) continue;
                sum += spacing[i];
                expected += spacing[i] * meanBeat(p[i], p[i + 1]);
                ++kept;
            }
            lastRate_[k] = kept / sum;
            worstBeat = std::max(worstBeat, std::abs(lastRate_[k] - expected / sum));
        } else if (lastPulse < end - kLongestPeriodSeconds && soundingSince_ >= 0 &&
                   soundingSince_ < end - kLongestPeriodSeconds) {
            lastRate_[k] = 0; // no pulse where one is drawn
            worstBeat = std::max(worstBeat, c.drawnBeat);
        } else {
            beatRead = false;
        }
    }
    c.beat = lastRate_[0];
    // Pulses too faint beside the masking noise (a fade's last seconds) are
    // not timed.
    for (EnvelopeReader& e : envelope_)
        if (e.takeLoudest() < kFaintestEnvelope * tonePeak_) quiet = true;
    if (quiet) {
        soundingSince_ = -1;
        if (c.reading == SecondReading::Measured) c.reading = SecondReading::Silent;
    } else if (soundingSince_ < 0) {
        soundingSince_ = end - 1;
    }
    if (c.reading == SecondReading::Measured && !beatRead) c.reading = SecondReading::Silent;
    if (c.reading != SecondReading::Measured) return;
    c.measured = true;
    ++report_.measuredSeconds;
    report_.maxErrorLeft = std::max(report_.maxErrorLeft, worst[0]);
    report_.maxErrorRight = std::max(report_.maxErrorRight, worst[1]);
    if (report_.worstBeatSecond < 0 || worstBeat > report_.maxErrorBeat) {
        report_.worstBeatSecond = c.second;
        report_.maxErrorBeat = worstBeat;
    }
}

void RenderAnalyser::endSecond() {
    SecondCheck& c = current_;
    if (options_.sound.pulse != PulseType::Binaural) {
        std::array<ToneReading, 2> got{}, crossed{};
        if (reading_) got = reader_.finish();
        if (crossReading_) crossed = crossReader_.finish();
        if (envelopeReading_)
            endEnvelopeSecond(got, crossed);
        else
            for (EnvelopeReader& e : envelope_)
                e.takePulses();
        if (!c.measured) ++report_.unmeasured[std::size_t(c.reading)];
        report_.seconds.push_back(c);
        report_.frames += inSecond_;
        inSecond_ = 0;
        return;
    }
    const std::array<ExpectedTone, 2>& want = expected_.channel;
    std::array<ToneReading, 2> got{};
    std::array<double, 2> disturbance{};
    if (reading_) {
        got = reader_.finish();
        // Forty decibels below its own level a tone is not there (the end of
        // a fade, a render that sounds nothing).
        const double quietest = std::max(ToneReader::kQuietestTone, kSilentFraction * tonePeak_);
        std::array<bool, 2> quiet{};
        for (int ch = 0; ch < 2; ++ch)
            quiet[std::size_t(ch)] = got[std::size_t(ch)].level < quietest;
        double apart = 0;
        if (expected_.sameLevel && want[0].sounds && want[1].sounds && !quiet[0] && !quiet[1])
            apart = std::abs(got[0].level - got[1].level) / std::max(got[0].level, got[1].level);
        c.reading = SecondReading::Measured;
        for (int ch = 0; ch < 2; ++ch) {
            const std::size_t k = std::size_t(ch);
            if (!want[k].sounds) continue;
            disturbance[k] = got[k].interference + apart;
            const bool covered = !quiet[k] && (!got[k].found || disturbance[k] > kMostDisturbance ||
                                               got[k].level > kLevelMargin * tonePeak_);
            if (covered)
                c.reading = SecondReading::Covered;
            else if (quiet[k] && c.reading == SecondReading::Measured)
                c.reading = SecondReading::Silent;
        }
    }
    c.levelLeft = got[0].level;
    c.levelRight = got[1].level;
    c.disturbanceLeft = disturbance[0];
    c.disturbanceRight = disturbance[1];
    c.left = got[0].hz;
    c.right = got[1].hz;
    c.beat = c.right - c.left;
    if (c.reading == SecondReading::Measured) {
        c.measured = true;
        ++report_.measuredSeconds;
        report_.maxErrorLeft = std::max(report_.maxErrorLeft, std::abs(c.left - want[0].hz));
        report_.maxErrorRight = std::max(report_.maxErrorRight, std::abs(c.right - want[1].hz));
        const double beatError = std::abs(c.beat - c.drawnBeat);
        if (report_.worstBeatSecond < 0 || beatError > report_.maxErrorBeat) {
            report_.worstBeatSecond = c.second;
            report_.maxErrorBeat = beatError;
        }
    } else {
        ++report_.unmeasured[std::size_t(c.reading)];
    }
    report_.seconds.push_back(c);
    report_.frames += inSecond_;
    inSecond_ = 0;
}

} // namespace vs::playback
