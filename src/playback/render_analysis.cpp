// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/render_analysis.h"

#include "audio/engine.h"
#include "audio/light_signal.h"
#include "base/numeric.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <optional>
#include <sstream>

namespace vs::playback {
namespace {

constexpr int kRate = audio::kMixRate;
constexpr int kBlocks = 10;
constexpr int kBlockFrames = kRate / kBlocks;
constexpr double kTwoPi = 2 * std::numbers::pi;
// Below this a tone is too weak to follow through the masking noise.
constexpr double kQuietestTone = 1e-4;
// What a step may exceed the tones' and the noise's largest by: rounding in
// the mixer and the gain glides.
constexpr double kStepMargin = 0.002;

// The largest step of the light carrier with an eye's four LEDs lit: a sine
// of that peak moves by at most 2 sin(pi f / rate) times it between samples.
double lightStepFor() {
    return 2 * std::sin(std::numbers::pi * audio::LightSignal::kCarrierHz / kRate) *
           audio::LightSignal::amplitudeFor(4);
}

struct ToneReading {
    double hz = 0;
    double level = 0; // the tone's peak
    bool found = false;
};

// The tone near `hz` in one second of one channel: each tenth is freed of
// its mean, Hann-windowed and correlated with a phasor at `hz` whose phase
// counts from the start of the second; the phase of that correlation drifts
// by 2 pi times the frequency error per second. Every tenth starts on a
// whole multiple of its length, so one table of window times phasor serves
// them all, each turned by its own start phase.
ToneReading readTone(const float* x, int frames, double hz, std::vector<float>& re,
                     std::vector<float>& im) {
    static const std::vector<double> window = [] {
        std::vector<double> w(kBlockFrames);
        for (int n = 0; n < kBlockFrames; ++n)
            w[std::size_t(n)] = 0.5 - 0.5 * std::cos(kTwoPi * (n + 0.5) / kBlockFrames);
        return w;
    }();
    constexpr double windowSum = kBlockFrames / 2.0;
    const double w = kTwoPi * hz / kRate;
    re.resize(kBlockFrames);
    im.resize(kBlockFrames);
    // The phasor by repeated turning (in double, the drift over a tenth is
    // far below float resolution), not by a sine and cosine per entry.
    const std::complex<double> turn = std::polar(1.0, -w);
    std::complex<double> z = 1;
    double sumRe = 0, sumIm = 0;
    for (int n = 0; n < kBlockFrames; ++n) {
        re[std::size_t(n)] = float(window[std::size_t(n)] * z.real());
        im[std::size_t(n)] = float(window[std::size_t(n)] * z.imag());
        sumRe += re[std::size_t(n)];
        sumIm += im[std::size_t(n)];
        z *= turn;
    }
    std::complex<double> sums[kBlocks];
    double levels[kBlocks] = {};
    bool clear[kBlocks] = {};
    const int blocks = std::min(kBlocks, frames / kBlockFrames);
    double loudest = 0;
    for (int b = 0; b < blocks; ++b) {
        const float* p = x + std::ptrdiff_t(b) * kBlockFrames;
        // Eight lanes of partial sums, so the compiler may use vector registers.
        constexpr int kLanes = 8;
        static_assert(kBlockFrames % 2 == 0);
        float lSum[kLanes] = {}, lSquare[kLanes] = {}, lRe[kLanes] = {}, lIm[kLanes] = {};
        int n = 0;
        for (; n + kLanes <= kBlockFrames; n += kLanes)
            for (int k = 0; k < kLanes; ++k) {
                const float v = p[n + k];
                lSum[k] += v;
                lSquare[k] += v * v;
                lRe[k] += v * re[std::size_t(n + k)];
                lIm[k] += v * im[std::size_t(n + k)];
            }
        double sum = 0, square = 0, accRe = 0, accIm = 0;
        for (; n < kBlockFrames; ++n) {
            sum += p[n];
            square += double(p[n]) * p[n];
            accRe += double(p[n]) * re[std::size_t(n)];
            accIm += double(p[n]) * im[std::size_t(n)];
        }
        for (int k = 0; k < kLanes; ++k) {
            sum += lSum[k];
            square += lSquare[k];
            accRe += lRe[k];
            accIm += lIm[k];
        }
        const double mean = sum / kBlockFrames;
        const double variance = std::max(0.0, square / kBlockFrames - mean * mean);
        const std::complex<double> acc =
            std::complex<double>(accRe - mean * sumRe, accIm - mean * sumIm) *
            std::polar(1.0, -w * double(b * kBlockFrames));
        sums[b] = acc;
        levels[b] = 2 * std::abs(acc) / windowSum;
        // Noise alone reaches about 0.04 of its own RMS here; a tone reaches
        // 0.7 of its RMS. Far above the one, so a tone is there.
        clear[b] = levels[b] >= kQuietestTone && levels[b] >= 0.3 * std::sqrt(variance);
        if (clear[b]) loudest = std::max(loudest, levels[b]);
    }
    ToneReading r;
    r.level = loudest;
    if (loudest < kQuietestTone) return r;
    // Weighted straight line through the unwrapped phases of the loud tenths.
    double sw = 0, st = 0, sp = 0, stt = 0, stp = 0;
    std::optional<double> previous;
    int used = 0;
    for (int b = 0; b < blocks; ++b) {
        if (!clear[b] || levels[b] < 0.25 * loudest) continue;
        double phase = std::arg(sums[b]);
        if (previous) phase += kTwoPi * std::round((*previous - phase) / kTwoPi);
        previous = phase;
        const double t = (b + 0.5) / kBlocks, wt = levels[b];
        sw += wt;
        st += wt * t;
        sp += wt * phase;
        stt += wt * t * t;
        stp += wt * t * phase;
        ++used;
    }
    if (used < 3) return r;
    const double slope = (sw * stp - st * sp) / (sw * stt - st * st);
    r.hz = hz + slope / kTwoPi;
    r.found = true;
    return r;
}

std::string timeText(double seconds) {
    return session::FormatoTiempo(std::int64_t(std::floor(seconds)) * 1000);
}

std::string hzText(double hz) {
    return formatFixed(hz, 3) + " Hz";
}

std::string number(double v, int decimals = 4) {
    return std::isfinite(v) ? formatFixed(v, decimals) : "null";
}

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

} // namespace

bool VerificationReport::tonesFollowCurves() const {
    return maxErrorLeft <= kToleranceHz && maxErrorRight <= kToleranceHz &&
           maxErrorBeat <= kToleranceHz;
}

bool VerificationReport::passed() const {
    return tonesFollowCurves() && clippedSamples == 0 && clicks == 0;
}

std::string VerificationReport::verdict() const {
    std::ostringstream v;
    if (passed())
        v << "Correcto: ";
    else
        v << "Con defectos: ";
    if (measuredSeconds == 0) {
        v << "no se ha podido medir ningún tono binaural.\n";
    } else if (tonesFollowCurves()) {
        v << "los tonos siguen las curvas dibujadas en los " << measuredSeconds
          << " segundos medidos (error máximo del pulso " << hzText(maxErrorBeat)
          << ", de la portadora " << hzText(maxErrorLeft) << ").\n";
    } else {
        v << "los tonos se apartan de las curvas dibujadas.\n";
        v << "Pulso: error máximo " << hzText(maxErrorBeat);
        if (worstBeatSecond >= 0) v << " en " << timeText(worstBeatSecond);
        v << "; tono izquierdo " << hzText(maxErrorLeft) << "; tono derecho "
          << hzText(maxErrorRight) << ".\n";
    }
    v << "Nivel de pico " << formatFixed(peak > 0 ? 20 * std::log10(peak) : -120.0, 1) << " dBFS";
    if (clippedSamples > 0)
        v << "; saturación en " << clippedSamples << " muestras (la primera en "
          << timeText(firstClipSeconds) << ")";
    else
        v << ", sin saturación";
    v << ".\n";
    if (!clicksChecked)
        v << "Chasquidos: no se comprueban con música de fondo.";
    else if (clicks > 0)
        v << clicks << " chasquidos (el primero en " << timeText(clickSeconds.front()) << ").";
    else
        v << "Sin chasquidos.";
    return v.str();
}

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

std::string reportJson(const VerificationReport& r, const std::string& sessionName,
                       const links::RenderNotes& notes) {
    std::ostringstream j;
    j << "{\n  \"sesion\": " << jsonString(sessionName) << ",\n";
    j << "  \"muestras\": " << r.frames << ",\n";
    j << "  \"frecuencia_muestreo\": " << kRate << ",\n";
    j << "  \"correcto\": " << (r.passed() ? "true" : "false") << ",\n";
    j << "  \"tolerancia_hz\": " << number(VerificationReport::kToleranceHz) << ",\n";
    j << "  \"segundos_medidos\": " << r.measuredSeconds << ",\n";
    j << "  \"error_max_izquierdo_hz\": " << number(r.maxErrorLeft) << ",\n";
    j << "  \"error_max_derecho_hz\": " << number(r.maxErrorRight) << ",\n";
    j << "  \"error_max_pulso_hz\": " << number(r.maxErrorBeat) << ",\n";
    j << "  \"pico\": " << number(r.peak, 6) << ",\n";
    j << "  \"muestras_saturadas\": " << r.clippedSamples << ",\n";
    j << "  \"chasquidos_comprobados\": " << (r.clicksChecked ? "true" : "false") << ",\n";
    j << "  \"chasquidos\": " << r.clicks << ",\n";
    j << "  \"chasquidos_segundos\": [";
    for (std::size_t i = 0; i < r.clickSeconds.size(); ++i)
        j << (i ? ", " : "") << number(r.clickSeconds[i], 5);
    j << "],\n  \"notas\": [";
    for (std::size_t i = 0; i < notes.size(); ++i)
        j << (i ? ", " : "") << jsonString(notes[i]);
    j << "],\n  \"veredicto\": " << jsonString(r.verdict()) << ",\n";
    j << "  \"segundos\": [\n";
    for (std::size_t i = 0; i < r.seconds.size(); ++i) {
        const SecondCheck& s = r.seconds[i];
        j << "    {\"t\": " << s.second << ", \"portadora_dibujada\": " << number(s.drawnBase)
          << ", \"pulso_dibujado\": " << number(s.drawnBeat);
        if (s.measured)
            j << ", \"izquierdo\": " << number(s.left) << ", \"derecho\": " << number(s.right)
              << ", \"pulso\": " << number(s.beat);
        else
            j << ", \"izquierdo\": null, \"derecho\": null, \"pulso\": null";
        j << ", \"nivel_izquierdo\": " << number(s.levelLeft, 5)
          << ", \"nivel_derecho\": " << number(s.levelRight, 5) << "}"
          << (i + 1 < r.seconds.size() ? ",\n" : "\n");
    }
    j << "  ]\n}\n";
    return j.str();
}

std::string reportSummary(const VerificationReport& r) {
    std::ostringstream s;
    s << (r.passed() ? "Correcto" : "Con defectos") << ": pulso " << hzText(r.maxErrorBeat)
      << ", portadora " << hzText(r.maxErrorLeft) << " de error máximo en " << r.measuredSeconds
      << " s medidos; pico " << formatFixed(r.peak > 0 ? 20 * std::log10(r.peak) : -120.0, 1)
      << " dBFS; " << r.clippedSamples << " muestras saturadas; ";
    if (r.clicksChecked)
        s << r.clicks << " chasquidos";
    else
        s << "chasquidos sin comprobar";
    return s.str();
}

} // namespace vs::playback
