// SPDX-License-Identifier: GPL-3.0-or-later
// The verification knows how the beat is carried: a monaural render (both
// tones in each ear) and an isochronic one (the base tone switched at the
// beat rate) of curves held flat pass when checked as what they are, each
// ear's beat read from its envelope; checked as another pulse type, or
// against a beat half a hertz off, they fail. The shipped sessions' real
// curves pass as both, the beat within 0.05 Hz every second.
#include "playback/render_analysis.h"
#include "playback/session_render.h"
#include "session/session_file.h"
#include "session/session_model.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vs;
using namespace vs::playback;

namespace {

session::SessionModel flat(double base, double beat) {
    session::SessionModel m;
    m.setMinutos(0);
    m.setSegundos(12);
    m.Punto.setFlat(m.W - 2 * m.MedioPunto, m.topForBinaural(beat));
    m.PuntoFR.setFlat(m.W - 2 * m.MedioPunto, m.topForBase(base));
    return m;
}

VerificationReport check(const session::SessionModel& drawn, PulseType rendered,
                         const session::SessionModel& expected, PulseType checked) {
    ExportOptions o;
    o.mascara = true;
    o.sound.pulse = rendered;
    SessionRenderer renderer(drawn, o);
    o.sound.pulse = checked;
    RenderAnalyser a(expected, o);
    EXPECT_EQ(renderer.run(a).status, RenderStatus::Complete);
    return a.finish();
}

} // namespace

TEST(PulseVerification, EachPulseTypePassesAsItselfAndOnlyAsItself) {
    using P = PulseType;
    struct Case {
        double base, beat;
        P rendered, checked;
        double checkedBeat; // the beat the report expects
        bool passes;
    };
    const std::vector<Case> cases = {
        {200, 10, P::Monaural, P::Monaural, 10, true},
        {400, 4, P::Monaural, P::Monaural, 4, true}, // closer than each tone's band
        {300, 0.8, P::Isochronic, P::Isochronic, 0.8, true},
        {300, 10, P::Isochronic, P::Isochronic, 10, true},
        {700, 28, P::Isochronic, P::Isochronic, 28, true},
        {200, 10, P::Binaural, P::Monaural, 10, false},
        {300, 10, P::Binaural, P::Isochronic, 10, false},
        {200, 10, P::Monaural, P::Monaural, 10.5, false},
        {400, 4, P::Monaural, P::Monaural, 4.5, false},
        {300, 6, P::Isochronic, P::Isochronic, 6.5, false},
    };
    for (const Case& c : cases) {
        const VerificationReport r =
            check(flat(c.base, c.beat), c.rendered, flat(c.base, c.checkedBeat), c.checked);
        const std::string what = std::to_string(c.base) + " Hz, beat " + std::to_string(c.beat) +
                                 " as " + std::to_string(int(c.checked)) + ": " + r.verdict();
        EXPECT_EQ(r.passed(), c.passes) << what;
        if (c.passes) {
            EXPECT_GT(r.measuredSeconds, 6) << what;
            EXPECT_LT(r.maxErrorBeat, 0.05) << what;
            EXPECT_EQ(r.clicks, 0) << what;
        }
        if (c.checkedBeat != c.beat) {
            EXPECT_GT(r.maxErrorBeat, 0.4) << what;
        }
    }
}

TEST(PulseVerification, TheShippedSessionsPassAsMonauralAndIsochronic) {
    test::TempDir dir;
    for (const char* name : {"Relajación.vso", "Sueño.vso", "Meditación profunda.vso"}) {
        const std::string copy = dir.file(name);
        std::filesystem::copy_file(std::string(VS_SHIPPED_DATA_DIR) + "/" + name, copy);
        session::SessionModel model;
        ASSERT_TRUE(session::LeerSesion(model, copy)) << name;
        for (PulseType p : {PulseType::Monaural, PulseType::Isochronic}) {
            const VerificationReport r = check(model, p, model, p);
            EXPECT_TRUE(r.passed()) << name << int(p) << ": " << r.verdict();
            EXPECT_LT(r.maxErrorBeat, 0.05) << name << int(p);
        }
    }
}

TEST(PulseVerification, ThePlotsSayWhatTheyShow) {
    for (PulseType p : {PulseType::Binaural, PulseType::Monaural, PulseType::Isochronic}) {
        const std::string beat = beatPlotTitle(p), carrier = carrierPlotTitle(p);
        const std::string kind = p == PulseType::Binaural   ? "binaural"
                                 : p == PulseType::Monaural ? "monoaural"
                                                            : "isocrónico";
        EXPECT_NE(beat.find("Pulso " + kind), std::string::npos) << beat;
        EXPECT_EQ(carrier.rfind("Portadora", 0), 0u) << carrier;
        VerificationReport r;
        r.pulse = p;
        const std::string json = reportJson(r, "x");
        EXPECT_NE(json.find(p == PulseType::Isochronic ? "\"tipo_pulso\": \"isocronico\""
                                                       : "\"tipo_pulso\": \"" + kind + "\""),
                  std::string::npos);
    }
}
