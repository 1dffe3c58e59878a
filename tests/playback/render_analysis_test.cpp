// SPDX-License-Identifier: GPL-3.0-or-later
// The verification report judged on renders whose faults are known: a clean
// render of the player passes, and a tone off by half a hertz, a click and a
// clipped stretch are each found where they were put.
#include "playback/render_analysis.h"
#include "playback/session_render.h"
#include "session/session_file.h"
#include "session/session_model.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <numbers>
#include <random>

using namespace vs;
using namespace vs::playback;

namespace {

constexpr int kRate = 44100;

struct Collect : FrameSink {
    std::vector<float> x;
    bool write(const float* p, int frames) override {
        x.insert(x.end(), p, p + 2 * frames);
        return true;
    }
};

VerificationReport analyse(const session::SessionModel& model, const ExportOptions& o,
                           const std::vector<float>& x) {
    RenderAnalyser a(model, o);
    // Odd block sizes: the analyser must not care how the frames arrive.
    for (std::size_t at = 0; at < x.size();) {
        const std::size_t n = std::min<std::size_t>(2 * 3001, x.size() - at);
        a.write(x.data() + at, int(n / 2));
        at += n;
    }
    return a.finish();
}

struct RenderAnalysis : ::testing::Test {
    session::SessionModel model;
    ExportOptions options;
    Collect rendered;

    void SetUp() override {
        model.SesionNueva();
        model.setMinutos(0);
        model.setSegundos(30);
        options.mascara = true;
        options.volumenBinaural = 60;
        options.volumenMascara = 40;
        options.ultimosSegundos = 5;
    }
    void render() {
        SessionRenderer r(model, options);
        ASSERT_EQ(r.run(rendered).status, RenderStatus::Complete);
    }

    // The two tones as the curves draw them, each second at its start value,
    // phase running on, over noise like the mask's at its bar; `offRight` moves the
    // right tone from second 10 to 14.
    std::vector<float> synthetic(double offRight) {
        std::vector<float> x(std::size_t(2 * 30 * kRate));
        std::mt19937 g(7);
        std::uniform_real_distribution<float> noise(0, float(maskPeakFor(options)));
        double phL = 0, phR = 0;
        for (int s = 0; s < 30; ++s) {
            const double base = model.baseAt(s * 1000.0), beat = model.binauralAt(s * 1000.0);
            const double fR = base + beat + (s >= 10 && s < 14 ? offRight : 0);
            for (int i = 0; i < kRate; ++i) {
                const std::size_t k = std::size_t(s * kRate + i);
                x[2 * k] = float(0.05 * std::sin(phL)) + noise(g);
                x[2 * k + 1] = float(0.05 * std::sin(phR)) - noise(g);
                phL += 2 * std::numbers::pi * base / kRate;
                phR += 2 * std::numbers::pi * fR / kRate;
            }
        }
        return x;
    }
};

} // namespace

TEST_F(RenderAnalysis, ACleanRenderOfThePlayerPasses) {
    render();
    const VerificationReport r = analyse(model, options, rendered.x);
    EXPECT_TRUE(r.passed()) << r.verdict();
    ASSERT_EQ(r.seconds.size(), 30u);
    EXPECT_EQ(r.frames, 30 * kRate);
    // Second 0 sounds only its second half; the faded last second not at all.
    EXPECT_GE(r.measuredSeconds, 27);
    EXPECT_FALSE(r.seconds.back().measured);
    // Whole-number rates put each tone within 1/88.2 Hz of the curve.
    EXPECT_LT(r.maxErrorLeft, 0.015);
    EXPECT_LT(r.maxErrorRight, 0.015);
    EXPECT_LT(r.maxErrorBeat, 1 / 44.1);
    EXPECT_EQ(r.clippedSamples, 0);
    EXPECT_EQ(r.clicks, 0);
    EXPECT_GT(r.peak, 0.06);
    EXPECT_EQ(r.verdict().rfind("Correcto", 0), 0u);
}

TEST_F(RenderAnalysis, AToneHalfAHertzOffIsFoundWhereItIs) {
    const VerificationReport clean = analyse(model, options, synthetic(0));
    EXPECT_TRUE(clean.passed()) << clean.verdict();
    EXPECT_LT(clean.maxErrorBeat, 0.01);

    for (double off : {0.5, -0.5}) {
        const VerificationReport r = analyse(model, options, synthetic(off));
        EXPECT_FALSE(r.passed());
        EXPECT_NEAR(r.maxErrorRight, 0.5, 0.01);
        EXPECT_NEAR(r.maxErrorBeat, 0.5, 0.01);
        EXPECT_LT(r.maxErrorLeft, 0.01);
        EXPECT_GE(r.worstBeatSecond, 10);
        EXPECT_LT(r.worstBeatSecond, 14);
        EXPECT_NEAR(r.seconds[12].beat - r.seconds[12].drawnBeat, off, 0.01);
        EXPECT_NE(r.verdict().find("se apartan"), std::string::npos);
    }
}

TEST_F(RenderAnalysis, ARenderHalfAHertzOffItsCarrierCurveIsFound) {
    render();
    // The same render judged against a base curve drawn 0.5 Hz higher: both
    // tones are off by that much, the beat between them is not.
    session::SessionModel higher = model;
    for (int i = 1; i <= int(higher.NumPuntosFR); ++i)
        higher.PuntoFR[i].Top = higher.topForBase(higher.baseHz(higher.PuntoFR[i].Top) + 0.5);
    const VerificationReport r = analyse(higher, options, rendered.x);
    EXPECT_FALSE(r.passed());
    EXPECT_NEAR(r.maxErrorLeft, 0.5, 0.02);
    EXPECT_NEAR(r.maxErrorRight, 0.5, 0.02);
    EXPECT_LT(r.maxErrorBeat, 1 / 44.1);
}

TEST_F(RenderAnalysis, AClickIsFoundAtItsTime) {
    // Over the mask a click must outdo the noise's own steps (0.019 at bar
    // 40); over the tones alone a smaller one shows.
    for (const auto& [mask, click] : {std::pair{true, 0.03f}, std::pair{false, 0.01f}}) {
        options.mascara = mask;
        rendered.x.clear();
        render();
        auto x = rendered.x;
        const std::size_t at = std::size_t(7.3 * kRate);
        x[2 * at + 1] += click; // one sample of the right ear
        const VerificationReport r = analyse(model, options, x);
        EXPECT_FALSE(r.passed()) << mask;
        EXPECT_TRUE(r.tonesFollowCurves()) << mask;
        EXPECT_GE(r.clicks, 1);
        ASSERT_FALSE(r.clickSeconds.empty()) << mask;
        EXPECT_NEAR(r.clickSeconds.front(), 7.3, 1e-3);
        EXPECT_EQ(r.clickSeconds.size(), 1u);
        EXPECT_TRUE(analyse(model, options, rendered.x).passed()) << mask;
    }
}

TEST_F(RenderAnalysis, AClippedStretchIsFoundAtItsStart) {
    render();
    auto x = rendered.x;
    for (std::size_t i = std::size_t(12.5 * kRate); i < std::size_t(12.7 * kRate); ++i)
        for (int c = 0; c < 2; ++c)
            x[2 * i + std::size_t(c)] = std::clamp(x[2 * i + std::size_t(c)] * 40.0f, -1.0f, 1.0f);
    const VerificationReport r = analyse(model, options, x);
    EXPECT_FALSE(r.passed());
    EXPECT_GT(r.clippedSamples, 1000);
    EXPECT_NEAR(r.firstClipSeconds, 12.5, 0.01);
    EXPECT_EQ(r.peak, 1.0);
    EXPECT_NE(r.verdict().find("saturación en"), std::string::npos);
}

TEST_F(RenderAnalysis, WithoutTheTonesNothingIsMeasuredAndTheReportSaysSo) {
    options.binaural = false;
    render();
    const VerificationReport r = analyse(model, options, rendered.x);
    EXPECT_EQ(r.measuredSeconds, 0);
    EXPECT_EQ(r.clicks, 0); // the noise's own steps are no clicks
    EXPECT_FALSE(r.passed());
    EXPECT_EQ(r.verdict().rfind("Sin verificar: no se ha podido medir ningún tono binaural: los "
                                "tonos binaurales no están marcados",
                                0),
              0u)
        << r.verdict();
    const std::string json = reportJson(r, "Prueba \"1\"");
    EXPECT_NE(json.find("\"sesion\": \"Prueba \\\"1\\\"\""), std::string::npos);
    EXPECT_NE(json.find("\"izquierdo\": null"), std::string::npos);
}

TEST(RenderAnalysisOfShippedSessions, EveryDefaultSessionRendersClean) {
    test::TempDir dir;
    for (const char* name : {"Relajación.vso", "Sueño.vso", "Meditación profunda.vso"}) {
        const std::string copy = dir.file(name);
        std::filesystem::copy_file(std::string(VS_SHIPPED_DATA_DIR) + "/" + name, copy);
        session::SessionModel model;
        // The LED sequences of the file play no part in the sound.
        ASSERT_TRUE(session::LeerSesion(model, copy)) << name;
        ExportOptions o;
        o.mascara = true;
        SessionRenderer renderer(model, o);
        RenderAnalyser a(model, o);
        ASSERT_EQ(renderer.run(a).status, RenderStatus::Complete) << name;
        const VerificationReport& r = a.finish();
        EXPECT_EQ(r.frames, std::int64_t(model.lengthSeconds()) * kRate);
        EXPECT_TRUE(r.passed()) << name << ": " << r.verdict();
        EXPECT_LT(r.maxErrorBeat, 0.03) << name;
    }
}

// A render whose tones cannot be read is never passed: the report says what
// could not be measured, and the render's notes what sounds otherwise than
// the window draws it.
TEST(RenderAnalysisOfOddSessions, NothingMeasuredIsNeverCorrectAndTheReasonIsGiven) {
    struct Case {
        const char* what;
        std::function<void(session::SessionModel&)> change;
        const char* verdict; // empty: the render passes
        const char* note;
    };
    const std::vector<Case> cases = {
        {"last point before the start", [](auto& m) { m.Punto[2].Left = -100; },
         "en 5 segundos no suena ningún tono", "antes del comienzo"},
        {"base maximum 0", [](auto& m) { m.FrecBaseMax = 0; },
         "en 5 segundos las frecuencias dibujadas quedan fuera de lo que se puede medir",
         "máximo de la portadora (0 Hz)"},
        {"base maximum below 0", [](auto& m) { m.FrecBaseMax = -500; },
         "quedan fuera de lo que se puede medir", "(-500 Hz)"},
        {"base maximum 2^31 - 1", [](auto& m) { m.FrecBaseMax = 2147483647; },
         "quedan fuera de lo que se puede medir", "(2147483647 Hz)"},
        {"beat maximum 1", [](auto& m) { m.FrecBinauralMax = 1; }, "", "máximo del pulso (1 Hz)"},
    };
    for (const Case& c : cases) {
        session::SessionModel model;
        model.setMinutos(0);
        model.setSegundos(5);
        c.change(model);
        ExportOptions o;
        SessionRenderer renderer(model, o);
        RenderAnalyser a(model, o);
        const RenderResult run = renderer.run(a);
        ASSERT_EQ(run.status, RenderStatus::Complete) << c.what;
        const VerificationReport& r = a.finish();
        ASSERT_EQ(run.notes.size(), 1u) << c.what;
        EXPECT_NE(run.notes[0].find(c.note), std::string::npos) << run.notes[0];
        if (!*c.verdict) {
            EXPECT_TRUE(r.passed()) << c.what << ": " << r.verdict();
            continue;
        }
        EXPECT_FALSE(r.passed()) << c.what;
        EXPECT_EQ(r.measuredSeconds, 0) << c.what;
        EXPECT_EQ(
            r.verdict().rfind("Sin verificar: no se ha podido medir ningún tono binaural: ", 0), 0u)
            << r.verdict();
        EXPECT_NE(r.verdict().find(c.verdict), std::string::npos) << r.verdict();
        EXPECT_EQ(reportSummary(r).rfind("Sin verificar: ningún tono medido", 0), 0u)
            << reportSummary(r);
        EXPECT_NE(reportJson(r, c.what).find("\"correcto\": false"), std::string::npos);
    }
}

// A file's 60 minutes read as none: the refusal of an empty session says so.
TEST(RenderAnalysisOfOddSessions, AnEmptySessionIsRefusedNamingTheSixtyMinuteRule) {
    session::SessionModel model;
    model.setMinutos(0);
    model.setSegundos(0);
    RenderAnalyser a(model, ExportOptions{});
    const RenderResult run = SessionRenderer(model, ExportOptions{}).run(a);
    EXPECT_EQ(run.status, RenderStatus::Failed);
    EXPECT_NE(run.error.find("60 minutos se leen como 0"), std::string::npos) << run.error;
}
