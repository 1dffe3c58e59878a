// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/render_analysis.h"

#include "audio/engine.h"
#include "audio/light_signal.h"
#include "playback/tone_reader.h"

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

// The largest step of the light carrier with an eye's four LEDs lit: a sine
// of that peak moves by at most 2 sin(pi f / rate) times it between samples.
double lightStepFor() {
    return 2 * std::sin(std::numbers::pi * audio::LightSignal::kCarrierHz / kRate) *
           audio::LightSignal::amplitudeFor(4);
}

} // namespace

RenderAnalyser::RenderAnalyser(const session::SessionModel& model, const ExportOptions& options)
    : model_(model), tonePeak_(tonePeakFor(options)), maskPeak_(maskPeakFor(options)),
      lightStep_(options.luz ? lightStepFor() : 0.0), buffer_(std::size_t(2 * kRate)),
      left_(std::size_t(kRate)), right_(std::size_t(kRate)) {
    report_.clicksChecked = !options.musica;
}

bool RenderAnalyser::write(const float* x, int frames) {
    while (frames > 0) {
        const int n = std::min(frames, kRate - int(filled_));
        std::copy(x, x + 2 * n, buffer_.begin() + std::ptrdiff_t(2 * filled_));
        filled_ += std::size_t(n);
        x += 2 * n;
        frames -= n;
        if (filled_ == std::size_t(kRate)) analyseSecond();
    }
    return true;
}

const VerificationReport& RenderAnalyser::finish() {
    if (filled_ > 0) analyseSecond();
    return report_;
}

void RenderAnalyser::analyseSecond() {
    const int frames = int(filled_);
    const std::int64_t start = report_.frames;
    SecondCheck c;
    c.second = int(start / kRate);
    const double tMs = c.second * 1000.0;
    c.drawnBase = std::max(0.0, model_.baseAt(tMs));
    c.drawnBeat = std::max(0.0, model_.binauralAt(tMs));
    const double wantL = c.drawnBase, wantR = c.drawnBase + c.drawnBeat;
    for (int i = 0; i < frames; ++i) {
        left_[std::size_t(i)] = buffer_[std::size_t(2 * i)];
        right_[std::size_t(i)] = buffer_[std::size_t(2 * i + 1)];
    }
    const ToneReading l = readTone(left_.data(), frames, wantL, re_, im_);
    const ToneReading r = readTone(right_.data(), frames, wantR, re_, im_);
    c.levelLeft = l.level;
    c.levelRight = r.level;
    if (l.found && r.found && wantL >= VerificationReport::kLowestMeasurableHz) {
        c.measured = true;
        c.left = l.hz;
        c.right = r.hz;
        c.beat = r.hz - l.hz;
        ++report_.measuredSeconds;
        report_.maxErrorLeft = std::max(report_.maxErrorLeft, std::abs(c.left - wantL));
        report_.maxErrorRight = std::max(report_.maxErrorRight, std::abs(c.right - wantR));
        const double beatError = std::abs(c.beat - c.drawnBeat);
        if (report_.worstBeatSecond < 0 || beatError > report_.maxErrorBeat) {
            report_.worstBeatSecond = c.second;
            report_.maxErrorBeat = beatError;
        }
    }

    // The largest step a tone of this level and pitch can take, plus the
    // noise's and the light carrier's.
    const double fastest = std::max({wantR, l.hz, r.hz}) + 5;
    const float limit =
        float(kTwoPi * fastest / kRate * tonePeak_ * 1.05 + maskPeak_ + lightStep_ + kStepMargin);
    // A quick pass for the peak and the largest step; only a second that
    // clips or steps too far is gone through sample by sample.
    float peak = 0, step = 0;
    for (const std::vector<float>* ch : {&left_, &right_}) {
        const float* x = ch->data();
        for (int i = 0; i < frames; ++i)
            peak = std::max(peak, std::abs(x[i]));
        for (int i = 1; i < frames; ++i)
            step = std::max(step, std::abs(x[i] - x[i - 1]));
    }
    const bool firstFrame = start == 0;
    if (!firstFrame) {
        step = std::max({step, std::abs(left_[0] - lastL_), std::abs(right_[0] - lastR_)});
    }
    report_.peak = std::max(report_.peak, double(peak));
    const bool checkClicks = report_.clicksChecked && step > limit;
    if (peak >= 1.0f || checkClicks) {
        float prevL = lastL_, prevR = lastR_;
        for (int i = 0; i < frames; ++i) {
            const float L = left_[std::size_t(i)], R = right_[std::size_t(i)];
            const double t = double(start + i) / kRate;
            if (std::max(std::abs(L), std::abs(R)) >= 1.0f) {
                if (report_.clippedSamples == 0) report_.firstClipSeconds = t;
                ++report_.clippedSamples;
            }
            if (checkClicks && (i > 0 || !firstFrame) &&
                std::max(std::abs(L - prevL), std::abs(R - prevR)) > limit) {
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
    if (frames > 0) {
        lastL_ = left_[std::size_t(frames - 1)];
        lastR_ = right_[std::size_t(frames - 1)];
    }
    report_.seconds.push_back(c);
    report_.frames += frames;
    filled_ = 0;
}

} // namespace vs::playback
