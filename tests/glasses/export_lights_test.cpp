// SPDX-License-Identifier: GPL-3.0-or-later
// The lights carried in an exported file: the glasses' own sequencer and
// table on the render's simulated step clock. Judged from the file alone: in
// each channel the 19,200 Hz carrier stands at the level of that eye's lit
// LEDs for each step of the session's sequence, one step period each, and is
// absent without the option; the tones are as without the lights.
#include "../audio/tone_analysis.h"
#include "audio/light_signal.h"
#include "glasses/export_lights.h"
#include "glasses/led_sequencer.h"
#include "glasses/sequences.h"
#include "playback/audio_file_writer.h"
#include "playback/render_analysis.h"
#include "playback/session_render.h"
#include "session/session_model.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <bit>
#include <cmath>
#include <utility>

using namespace vs;
using namespace vs::playback;
using vs::audio::LightSignal;
using vs::test::TempDir;

namespace {

constexpr double kRate = 44100;
constexpr int kWindow = LightSignal::kPeriodFrames; // whole carrier cycles: an exact fit

std::vector<float> readBack(const std::string& path) {
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    if (!f) return {};
    std::vector<float> x(std::size_t(info.frames) * 2);
    sf_readf_float(f, x.data(), info.frames);
    sf_close(f);
    return x;
}

std::vector<float> window(const std::vector<float>& channel, std::size_t k) {
    return {channel.begin() + std::ptrdiff_t(k * kWindow),
            channel.begin() + std::ptrdiff_t((k + 1) * kWindow)};
}

// The eyes' lit counts of one step (left: LEDs 1-4, right: LEDs 5-8).
using Lit = std::pair<int, int>;
Lit litOf(std::uint8_t byte) {
    return {std::popcount(unsigned(byte & 0x0F)), std::popcount(unsigned(byte >> 4))};
}

struct LitRun {
    Lit lit;
    std::size_t first = 0; // its first steady window
};

double db(double a, double b) {
    return 20 * std::log10(a / b);
}

struct ExportLights : ::testing::Test {
    TempDir dir;
    session::SessionModel model;
    ExportOptions options;

    void SetUp() override {
        model.SesionNueva(); // one segment, sequence 6, a flat beat
        model.setMinutos(0);
        model.setSegundos(5);
        options.binaural = true;
        options.volumenBinaural = 100;
        options.ultimosSegundos = 0;
    }
    std::vector<float> exportFile(const std::string& name, bool luz,
                                  VerificationReport* report = nullptr) {
        options.luz = luz;
        SessionRenderer renderer(model, options, {}, glasses::exportLights());
        RenderAnalyser analyser(model, options);
        const ExportResult r = exportToFile(renderer, dir.file(name), &analyser, nullptr, {});
        EXPECT_EQ(r.status, RenderStatus::Complete) << r.message;
        if (report) *report = analyser.finish();
        return readBack(dir.file(name));
    }
};

} // namespace

TEST_F(ExportLights, EachEyesCarrierFollowsItsLedsStepByStepAndTheTonesStayAsTheyWere) {
    VerificationReport report;
    const auto lit = exportFile("luz.wav", true, &report);
    const auto dark = exportFile("sin_luz.wav", false);
    ASSERT_EQ(lit.size(), dark.size());
    ASSERT_FALSE(lit.empty());
    EXPECT_TRUE(report.passed());

    std::vector<float> light(lit.size());
    for (std::size_t i = 0; i < lit.size(); ++i)
        light[i] = lit[i] - dark[i];
    const auto left = test::channelOf(light, 0), right = test::channelOf(light, 1);
    const double one = LightSignal::amplitudeFor(1);

    // Window by window: the level each eye shows, in whole LEDs.
    const std::size_t windows = left.size() / kWindow;
    std::vector<Lit> seen(windows);
    std::vector<std::pair<double, double>> level(windows);
    for (std::size_t k = 0; k < windows; ++k) {
        const test::SineFit l = test::fitSine(window(left, k), LightSignal::kCarrierHz, kRate);
        const test::SineFit r = test::fitSine(window(right, k), LightSignal::kCarrierHz, kRate);
        level[k] = {l.amplitude, r.amplitude};
        seen[k] = {int(std::lround(l.amplitude / one)), int(std::lround(r.amplitude / one))};
    }
    // Runs of steady windows (a window holding a 1 ms ramp is neither step's).
    std::vector<LitRun> runs;
    for (std::size_t k = 1; k + 1 < windows; ++k) {
        if (seen[k] != seen[k - 1] || seen[k] != seen[k + 1]) continue;
        for (int eye = 0; eye < 2; ++eye) {
            const double a = eye == 0 ? level[k].first : level[k].second;
            const int n = eye == 0 ? seen[k].first : seen[k].second;
            if (n == 0)
                EXPECT_LT(a, one * 0.01) << "window " << k;
            else
                EXPECT_NEAR(db(a, LightSignal::amplitudeFor(n)), 0.0, 0.5) << "window " << k;
        }
        // Nothing but the carrier: the tones are the same with the lights.
        const double rest =
            test::fitSine(window(left, k), LightSignal::kCarrierHz, kRate).residualRms;
        EXPECT_LT(rest, 1e-4) << "window " << k;
        if (runs.empty() || runs.back().lit != seen[k]) runs.push_back({seen[k], k});
    }

    // The lights start dark and then show the sequence's steps in order, each
    // for one step period of the session's beat (to a window either way).
    const int sequence = model.cellSequence(1);
    const int steps = glasses::Secuencias()[std::size_t(sequence - 1)].NumPasos;
    ASSERT_GE(runs.size(), 4u);
    EXPECT_EQ(runs[0].lit, Lit(0, 0));
    const double periodMs = glasses::intervaloPara(float(model.binauralAt(0.0)));
    int step = 1;
    for (std::size_t i = 1; i + 1 < runs.size(); ++i) {
        EXPECT_EQ(runs[i].lit, litOf(glasses::PasosSecuencia(sequence, step))) << "run " << i;
        const double ms = double((runs[i + 1].first - runs[i].first) * kWindow) / kRate * 1000.0;
        EXPECT_NEAR(ms, periodMs, 1000.0 * kWindow / kRate) << "run " << i;
        step = step % steps + 1;
    }

    // Without the option there is no carrier at all, second by second.
    const auto plain = test::channelOf(dark, 1);
    for (std::size_t second = 0; second + 1 < plain.size() / 44100; ++second) {
        const std::vector<float> x(plain.begin() + std::ptrdiff_t(second * 44100),
                                   plain.begin() + std::ptrdiff_t((second + 1) * 44100));
        EXPECT_LT(test::fitSine(x, LightSignal::kCarrierHz, kRate).amplitude, one * 1e-3);
    }
}
