// SPDX-License-Identifier: GPL-3.0-or-later
#include "glasses/led_sequencer.h"
#include "glasses/sequences.h"
#include "glasses/step_clock.h"

#include <QTest>
#include <gtest/gtest.h>
#include "manual_step_clock.h"
#include "recording_indicators.h"
#include "recording_led_port.h"

using namespace vs::glasses;

namespace {

class Sequencer : public ::testing::Test {
protected:
    Sequencer() : seq(settings, estado, clock, port, view) { settings.PuertoLed = 0x378; }

    // Runs n ticks; returns the bytes written, checking that the port and the
    // indicators always got the same byte.
    std::vector<int> run(int n) {
        clock.setEnabled(true);
        const auto first = port.writes.size();
        for (int i = 0; i < n; ++i) {
            clock.fire();
            if (port.writes.size() > first + i) {
                EXPECT_EQ(port.writes.back().port, 0x378);
                EXPECT_EQ(view.byte(), port.writes.back().value);
            }
        }
        auto all = port.bytes();
        return {all.begin() + static_cast<long>(first), all.end()};
    }

    GlassesSettings settings;
    SequencerState estado;
    ManualStepClock clock;
    RecordingLedPort port;
    RecordingIndicators view;
    LedSequencer seq;
};

TEST(Intervalo, OnePeriodInWholeMillisecondsHalvesToEven) {
    EXPECT_EQ(intervaloPara(10.0f), 100);
    EXPECT_EQ(intervaloPara(7.0f), 143);
    EXPECT_EQ(intervaloPara(0.05f), 20000);
    EXPECT_EQ(intervaloPara(30.0f), 33);
    EXPECT_EQ(intervaloPara(16.0f), 62);  // 62.5
    EXPECT_EQ(intervaloPara(80.0f), 12);  // 12.5
    EXPECT_EQ(intervaloPara(5000.0f), 1); // never 0: the clock would stop for good
}

TEST_F(Sequencer, FirstTickEverIsAllOffThenTheStepsCycle) {
    estado.SecuenciaActual = 5;
    estado.FrecuenciaLed = 10.0f;
    EXPECT_EQ(run(5), (std::vector<int>{0, 255, 0, 255, 0}));
    EXPECT_EQ(clock.interval(), 100);
}

TEST_F(Sequencer, EverySequenceShowsItsStepsInOrder) {
    estado.FrecuenciaLed = 7.0f;
    for (int k = 1; k <= kNumSecuencias; ++k) {
        const int n = Secuencias()[k - 1].NumPasos;
        std::vector<int> expected;
        for (int round = 0; round < 2; ++round)
            for (int s = 1; s <= n; ++s)
                expected.push_back(PasosSecuencia(k, s));
        estado.SecuenciaActual = static_cast<std::int16_t>(k);
        estado.PasoSecuencia = 1;
        EXPECT_EQ(run(2 * n), expected) << nombre(k);
    }
    // Spot checks against the published patterns.
    estado.PasoSecuencia = 1;
    estado.SecuenciaActual = 3;
    EXPECT_EQ(run(4), (std::vector<int>{65, 170, 20, 65}));
    estado.SecuenciaActual = 6;
    estado.PasoSecuencia = 1;
    EXPECT_EQ(run(3), (std::vector<int>{15, 240, 15}));
}

TEST_F(Sequencer, StepIndexCarriesOverAndWrapsIntoAShorterSequence) {
    estado.FrecuenciaLed = 7.0f;
    estado.SecuenciaActual = 1;
    EXPECT_EQ(run(5), (std::vector<int>{0, 20, 34, 65, 136}));
    estado.SecuenciaActual = 7; // index 5 is past "Cruz"'s two steps
    EXPECT_EQ(run(3), (std::vector<int>{165, 90, 165}));
    estado.SecuenciaActual = 2; // index 2 carries over
    EXPECT_EQ(run(3), (std::vector<int>{136, 65, 34}));
}

TEST_F(Sequencer, SlowRatesFreezeTheLights) {
    estado.SecuenciaActual = 5;
    estado.FrecuenciaLed = 0.05f;
    run(1);
    EXPECT_EQ(clock.interval(), 20000);
    for (float hz : {0.04f, 0.0f, -3.0f, std::numeric_limits<float>::quiet_NaN()}) {
        estado.FrecuenciaLed = hz;
        const auto paso = estado.PasoSecuencia;
        EXPECT_TRUE(run(3).empty()) << hz;
        EXPECT_EQ(estado.PasoSecuencia, paso);
        EXPECT_EQ(clock.interval(), 20000);
    }
}

TEST_F(Sequencer, ClockRestartsOnlyWhenThePeriodChanges) {
    estado.SecuenciaActual = 4;
    estado.FrecuenciaLed = 7.0f;
    run(1);
    EXPECT_EQ(clock.restarts, 1); // 10 ms -> 143 ms
    estado.FrecuenciaLed = 7.001f;
    run(3);
    EXPECT_EQ(clock.restarts, 1);
    estado.FrecuenciaLed = 12.5f;
    run(1);
    EXPECT_EQ(clock.restarts, 2);
    EXPECT_EQ(clock.interval(), 80);
}

TEST_F(Sequencer, DamagedSequenceNumberKeepsTheGlassesDark) {
    estado.FrecuenciaLed = 7.0f;
    for (int k : {0, 8, -1}) {
        estado.SecuenciaActual = static_cast<std::int16_t>(k);
        EXPECT_EQ(run(2), (std::vector<int>{0, 0})) << k;
    }
}

TEST_F(Sequencer, PreviewRunsAtSevenHertzUntilStopped) {
    MostrarLeds(view, 255);
    estado.FrecuenciaLed = 2.0f;
    seq.previewStart(6);
    EXPECT_EQ(estado.FrecuenciaLed, 7.0f);
    EXPECT_EQ(estado.SecuenciaActual, 6);
    EXPECT_TRUE(clock.enabled());
    clock.fire();
    EXPECT_EQ(clock.interval(), 143);

    seq.previewStop();
    EXPECT_FALSE(clock.enabled());
    EXPECT_EQ(view.byte(), 0);
    EXPECT_EQ(port.writes.back().port, 0x378);
    EXPECT_EQ(port.writes.back().value, 0);
    const auto writes = port.writes.size();
    clock.fire();
    EXPECT_EQ(port.writes.size(), writes);
}

TEST(PreviewLeave, SidewaysAlwaysStopsVerticallyOnlyWithTheLeftButton) {
    const double w = 40, h = 12;
    EXPECT_FALSE(LedSequencer::shouldStopPreview(0, 0, w, h, true));
    EXPECT_FALSE(LedSequencer::shouldStopPreview(w, h, w, h, true));
    EXPECT_TRUE(LedSequencer::shouldStopPreview(-1, 5, w, h, false));
    EXPECT_TRUE(LedSequencer::shouldStopPreview(w + 1, 5, w, h, false));
    EXPECT_TRUE(LedSequencer::shouldStopPreview(10, -1, w, h, true));
    EXPECT_TRUE(LedSequencer::shouldStopPreview(10, h + 1, w, h, true));
    EXPECT_FALSE(LedSequencer::shouldStopPreview(10, -1, w, h, false));
    EXPECT_FALSE(LedSequencer::shouldStopPreview(10, h + 50, w, h, false));
}

// Plays the user's part in the chooser.
class ScriptedChooser : public SequenceChooser {
public:
    explicit ScriptedChooser(std::function<Result()> f) : script(std::move(f)) {}
    Result run(LedSequencer&) override { return script(); }
    std::function<Result()> script;
};

TEST_F(Sequencer, ChoosingPreviewsLiveThenDarkensAndReportsTheChoice) {
    int modified = 0;
    seq.onSesionModificada = [&] { ++modified; };
    estado.SecuenciaActual = 2; // the double-click's own press set it
    estado.FrecuenciaLed = 0.0f;
    ScriptedChooser chooser([&] {
        EXPECT_TRUE(clock.enabled());
        EXPECT_EQ(estado.FrecuenciaLed, 7.0f);
        EXPECT_EQ(estado.SecuenciaActual, 2);
        run(2); // lights run while the dialog is open
        estado.SecuenciaActual = 4;
        return SequenceChooser::Result::Chosen;
    });
    seq.setChooser(&chooser);
    EXPECT_EQ(seq.choose(2, 6), 4);
    EXPECT_EQ(modified, 1);
    EXPECT_FALSE(clock.enabled());
    EXPECT_EQ(view.byte(), 0);
    EXPECT_EQ(port.writes.back().value, 0);

    // Selecting the sequence the cell already had still counts as an edit.
    chooser.script = [] { return SequenceChooser::Result::Chosen; };
    EXPECT_EQ(seq.choose(4, 6), 4);
    EXPECT_EQ(modified, 2);
}

TEST_F(Sequencer, CancelKeepsTheCellAndClosingKeepsThePickAsAnEdit) {
    int modified = 0;
    seq.onSesionModificada = [&] { ++modified; };
    ScriptedChooser chooser([&] {
        estado.SecuenciaActual = 5;
        estado.SecuenciaActual = 3; // "Cancelar" puts the opening one back
        return SequenceChooser::Result::Cancelled;
    });
    seq.setChooser(&chooser);
    estado.SecuenciaActual = 3;
    EXPECT_EQ(seq.choose(3, 1), 3);
    EXPECT_EQ(modified, 0);

    chooser.script = [&] {
        estado.SecuenciaActual = 6;
        return SequenceChooser::Result::Closed;
    };
    EXPECT_EQ(seq.choose(3, 1), 6);
    EXPECT_EQ(modified, 1);

    chooser.script = [] { return SequenceChooser::Result::Closed; };
    EXPECT_EQ(seq.choose(6, 1), 6);
    EXPECT_EQ(modified, 1);
}

TEST_F(Sequencer, ChooserOpensOnTheFirstCellsSequenceWhenNoneIsSet) {
    int opened = -1;
    ScriptedChooser chooser([&] {
        opened = estado.SecuenciaActual;
        return SequenceChooser::Result::Closed;
    });
    seq.setChooser(&chooser);
    estado.SecuenciaActual = 0;
    EXPECT_EQ(seq.choose(5, 7), 7);
    EXPECT_EQ(opened, 7);

    // A damaged first cell cannot give the cell a damaged number.
    estado.SecuenciaActual = 0;
    EXPECT_EQ(seq.choose(5, 0), 5);
}

TEST(SequencerOnTickora, PreviewStepsOnTheRealClockAndStops) {
    GlassesSettings settings;
    SequencerState estado;
    TickoraStepClock clock;
    RecordingLedPort port;
    RecordingIndicators view;
    LedSequencer seq(settings, estado, clock, port, view);
    EXPECT_EQ(clock.interval(), 10);
    EXPECT_FALSE(clock.enabled());
    seq.previewStart(7);
    QTRY_VERIFY_WITH_TIMEOUT(port.writes.size() >= 3, 5000);
    EXPECT_EQ(clock.interval(), 143);
    seq.previewStop();
    const auto bytes = port.bytes();
    EXPECT_EQ(std::vector<int>(bytes.begin(), bytes.begin() + 3), (std::vector<int>{0, 165, 90}));
    EXPECT_EQ(bytes.back(), 0);
    QTest::qWait(200);
    EXPECT_EQ(port.bytes().size(), bytes.size());
}

} // namespace
