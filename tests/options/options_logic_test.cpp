// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/glasses_settings.h"
#include "options/led_test.h"
#include "options/range_bounds.h"

#include "base/preferences.h"
#include "session/session_model.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include "recording_indicators.h"
#include "recording_led_port.h"
#include "recording_messages.h"

using namespace vs::options;
using vs::session::SessionModel;

namespace {

void puntos(SessionModel& m, std::vector<double> beats, std::vector<double> bases) {
    m.NumPuntos = static_cast<std::int16_t>(beats.size());
    for (std::size_t i = 0; i < beats.size(); ++i)
        m.Punto[i + 1] = {6000.0f * i / (beats.size() - 1), m.topForBinaural(beats[i]), true};
    m.NumPuntosFR = static_cast<std::int16_t>(bases.size());
    for (std::size_t i = 0; i < bases.size(); ++i)
        m.PuntoFR[i + 1] = {6000.0f * i / (bases.size() - 1), m.topForBase(bases[i]), true};
    m.relayCells();
}

} // namespace

TEST(RangeBounds, NoPointCanFallOffTheGraph) {
    SessionModel m;
    m.FrecBinauralMax = 20;
    m.FrecBaseMax = 700;
    puntos(m, {5, 17.6, 3}, {617, 300});
    RangeLimits l = limitesPara(m, leerFrecuencias(m));
    EXPECT_EQ(l.binauralMin, 18);
    EXPECT_EQ(l.binauralMax, 30);
    EXPECT_EQ(l.baseMin, 620);
    EXPECT_EQ(l.baseMax, 750);

    // Rounding to the nearest would let a point at 17.2 Hz stand above a 17 Hz top,
    // and one at 624 Hz above a 620 Hz top.
    puntos(m, {17.2, 2}, {624, 301});
    l = limitesPara(m, leerFrecuencias(m));
    EXPECT_EQ(l.binauralMin, 18);
    EXPECT_EQ(l.baseMin, 630);
    EXPECT_EQ(l.baseMax, 750);

    // A point drawn exactly on a whole number keeps that number as the floor.
    puntos(m, {17, 2}, {620, 300});
    l = limitesPara(m, leerFrecuencias(m));
    EXPECT_EQ(l.binauralMin, 17);
    EXPECT_EQ(l.baseMin, 620);
    EXPECT_EQ(l.baseMax, 750);

    // Low points leave the design floors alone.
    puntos(m, {1, 2}, {440, 445});
    l = limitesPara(m, leerFrecuencias(m));
    EXPECT_EQ(l.binauralMin, kBinauralMinimo);
    EXPECT_EQ(l.baseMin, kBaseMinimo);
    EXPECT_EQ(l.baseMax, 890);
}

TEST(RangeBounds, APointBeyondTheSpinnersKeepsTheFloor) {
    SessionModel m;
    m.FrecBinauralMax = 40; // a hand-edited file
    puntos(m, {35, 2}, {300, 300});
    const RangeLimits l = limitesPara(m, leerFrecuencias(m));
    EXPECT_EQ(l.binauralMin, 35);
    EXPECT_EQ(l.binauralMax, 35);
}

TEST(RangeBounds, EveryMarkerKeepsItsFrequencyThroughRangeChanges) {
    SessionModel m;
    puntos(m, {12, 7.5, 3.25}, {480, 200, 90});
    const PointFrequencies f = leerFrecuencias(m);
    for (int hz : {30, 14, 22}) {
        aplicarBinauralMax(m, f, hz);
        EXPECT_FLOAT_EQ(m.FrecBinauralMax, hz);
        EXPECT_NEAR(m.binauralHz(m.Punto[1].Top), 12, 1e-4);
        EXPECT_NEAR(m.binauralHz(m.Punto[3].Top), 3.25, 1e-4);
    }
    for (int hz : {530, 480, 1000 - 460}) {
        aplicarBaseMax(m, f, hz);
        EXPECT_EQ(m.FrecBaseMax, hz);
        EXPECT_NEAR(m.baseHz(m.PuntoFR[1].Top), 480, 1e-3);
        EXPECT_NEAR(m.baseHz(m.PuntoFR[3].Top), 90, 1e-3);
    }
    // The markers' times never move.
    EXPECT_FLOAT_EQ(m.Punto[2].Left, 3000);
    EXPECT_FLOAT_EQ(m.PuntoFR[3].Left, 6000);
}

namespace {

struct LedTestFixture : ::testing::Test {
    vs::glasses::RecordingLedPort port;
    vs::glasses::RecordingIndicators dialogo, principal;
    LedTestCounters contadores;
    bool tab4 = true;
    LedTest test{port, dialogo, principal, [this] { return tab4; }, contadores};

    std::vector<int> run(int ticks) {
        std::vector<int> shown;
        for (int i = 0; i < ticks; ++i) {
            test.Timer1_Timer();
            shown.push_back(dialogo.byte());
        }
        return shown;
    }
};

const std::vector<int> k36 = {255, 0,   255, 0,   255, 0,   255, 0,   255, // all flash
                              136, 68,  34,  17,  136, 68,  34,  17,  136, // diamonds turn
                              0,   255, 0,   255, 0,   255, 0,   255, 0,   //
                              136, 68,  34,  17,  136, 68,  34,  17,  136};

} // namespace

TEST_F(LedTestFixture, ThirtySixTicksDirectAndInverted) {
    test.PuertoTest = 0x278;
    test.cmdTest_Click();
    ASSERT_TRUE(test.running());
    EXPECT_EQ(run(36), k36);
    EXPECT_EQ(port.bytes(), k36);
    for (const auto& w : port.writes)
        EXPECT_EQ(w.port, 0x278);

    // Inverted glasses get 255 - v while the indicators still show v.
    vs::glasses::RecordingLedPort inverted;
    LedTestCounters fresh;
    LedTest inv{inverted, dialogo, principal, [] { return true; }, fresh};
    inv.SalidaTest = "Invers";
    inv.cmdTest_Click();
    std::vector<int> shown, expected;
    for (int i = 0; i < 36; ++i) {
        inv.Timer1_Timer();
        shown.push_back(dialogo.byte());
        expected.push_back(255 - k36[i]);
    }
    EXPECT_EQ(shown, k36);
    EXPECT_EQ(inverted.bytes(), expected);
}

TEST_F(LedTestFixture, StoppingDarkensWithThePolarityAndTheCountersCarryOn) {
    test.PuertoTest = 0x378;
    test.cmdTest_Click();
    run(5);
    test.cmdTest_Click();
    EXPECT_FALSE(test.running());
    EXPECT_EQ(port.bytes().back(), 0);
    EXPECT_EQ(dialogo.byte(), 0);
    test.Timer1_Timer(); // a late tick of a stopped test writes nothing
    EXPECT_EQ(port.writes.size(), 6u);

    // Started again, it goes on with the sixth step.
    test.SalidaTest = "Invers";
    test.cmdTest_Click();
    test.Timer1_Timer();
    EXPECT_EQ(dialogo.byte(), k36[5]);
    // Off another tab, the main window's indicators are the ones cleared.
    tab4 = false;
    principal.lit.fill(true);
    test.stop();
    EXPECT_EQ(port.bytes().back(), 255);
    EXPECT_EQ(principal.byte(), 0);
    const auto writes = port.writes.size();
    test.stop(); // stopping a stopped test does nothing
    EXPECT_EQ(port.writes.size(), writes);
}

TEST(LedColours, ClickCyclesTheThreePairsAndLeavesOthers) {
    LedColours c{255, 128};
    c = siguienteColor(c);
    EXPECT_EQ(c, (LedColours{65535, 32896}));
    c = siguienteColor(c);
    EXPECT_EQ(c, (LedColours{65280, 32768}));
    c = siguienteColor(c);
    EXPECT_EQ(c, (LedColours{255, 128}));
    EXPECT_EQ(siguienteColor({0xFF00FF, 0x800080}), (LedColours{0xFF00FF, 0x800080}));
    // Only the lit colour decides.
    EXPECT_EQ(siguienteColor({255, 7}), (LedColours{65535, 32896}));
}

TEST(PhotosensitivityWarning, AskedUntilAnsweredYesThenNeverAgain) {
    vs::test::TempDir dir;
    dir.becomeProgramFolders();
    auto& prefs = vs::Preferences::instance();
    vs::RecordingMessageService messages;
    messages.answers = {false};
    EXPECT_FALSE(confirmarGafas(messages, prefs));
    messages.answers = {true};
    EXPECT_TRUE(confirmarGafas(messages, prefs));
    EXPECT_TRUE(confirmarGafas(messages, prefs));
    EXPECT_EQ(messages.count(vs::RecordingMessageService::Entry::Question), 2);
    EXPECT_TRUE(messages.saw(kAvisoFotosensibilidad));
    EXPECT_EQ(prefs.get("Opciones", "Aviso Fotosensibilidad", ""), "1");
}
