// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/numeric.h"
#include "player_fakes.h"
#include "recording_messages.h"
#include "scripted_dialogs.h"
#include "session/curve_editor.h"
#include "session/edit_history.h"
#include "session/session_document.h"
#include "session/session_model.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace vs;
using namespace vs::test;
using playback::SessionPlayer;

namespace {

struct PlayerTest : ::testing::Test {
    session::SessionModel model;
    FakeView view;
    FakeTones tones;
    FakeMaster master;
    FakeGlasses glasses;
    FakeMusic music;
    FakeClock clock;
    SessionPlayer player{model, view, tones, master, glasses, music, clock};

    void SetUp() override { player.setNivelMaestroGuardado(60000); }
    // Advances simulated time by one session tick and runs it.
    void tick() {
        clock.now += 500;
        player.Tick();
    }
};

} // namespace

TEST_F(PlayerTest, NothingToPlayStopsAnyRunningSessionAndStartsNothing) {
    view.binaural = true;
    player.Play();
    ASSERT_TRUE(player.playing());
    view.binaural = view.mascara = view.musica = false;
    player.Play();
    EXPECT_FALSE(player.playing());
    EXPECT_FALSE(view.sessionTimer);
    EXPECT_FALSE(view.locked);

    view.binaural = true;
    model.setMinutos(0);
    model.setSegundos(0);
    player.Play();
    EXPECT_FALSE(player.playing());
    EXPECT_EQ(tones.loads, 1); // only the first, real start loaded the waves
}

TEST_F(PlayerTest, FirstTickEntersTheFirstSegmentsAndStartsTheTones) {
    model.setCellSequence(1, 4);
    player.Play();
    EXPECT_TRUE(view.locked);
    EXPECT_TRUE(view.cursorVisible);
    EXPECT_TRUE(glasses.clock);
    EXPECT_EQ(glasses.secuencia, 4);
    EXPECT_FALSE(tones.l.playing); // tones wait for the first tick
    tick();
    EXPECT_EQ(player.tramoBinaural(), 1);
    EXPECT_EQ(player.tramoBase(), 1);
    EXPECT_EQ(player.secuenciaActual(), 4);
    EXPECT_DOUBLE_EQ(view.cursorX, 40);
    EXPECT_TRUE(tones.l.playing);
    EXPECT_TRUE(tones.r.playing);
    // The default session: base 188.54 Hz, beat 7.21 Hz.
    EXPECT_EQ(tones.l.rate, playback::rateFor(model.baseHz(1450)));
    EXPECT_EQ(tones.l.rate, 8315);
    EXPECT_EQ(tones.r.rate, 8633);
    EXPECT_EQ(tones.l.volume, 5);
    EXPECT_EQ(view.infoHz, "7.2");
    EXPECT_EQ(view.infoFR, "189");
    EXPECT_EQ(view.infoTime, "00:00");
    EXPECT_FALSE(tones.m.playing);
}

TEST_F(PlayerTest, RatesRoundHalfToEvenAndVolumesToo) {
    EXPECT_EQ(playback::rateFor(200), 8820);
    EXPECT_EQ(playback::rateFor(210), 9261);
    // 200 Hz base, 10 Hz beat.
    model.FrecBinauralMax = 15;
    model.Punto[1].Top = model.Punto[2].Top = model.topForBinaural(10);
    model.PuntoFR[1].Top = model.PuntoFR[2].Top = model.topForBase(200);
    view.volBinaural = 55;
    player.Play();
    tick();
    EXPECT_EQ(tones.l.rate, 8820);
    EXPECT_EQ(tones.r.rate, 9261);
    EXPECT_EQ(tones.l.volume, 6); // 5.5 -> 6
    view.volBinaural = 45;
    tick();
    EXPECT_EQ(tones.r.volume, 4); // 4.5 -> 4
    EXPECT_EQ(tones.l.plays, 1);  // retuned, not restarted
}

TEST_F(PlayerTest, WholeSessionFollowsTheCurvesAndEndsAtTheLastPoint) {
    // 2:00 session; beat 12 -> 4 -> 4 -> 8 Hz, base 300 -> 150 -> 250 Hz.
    model.setMinutos(2);
    model.NumPuntos = 4;
    model.Punto[1] = {0, model.topForBinaural(12), true};
    model.Punto[2] = {1500, model.topForBinaural(4), true};
    model.Punto[3] = {3000, model.topForBinaural(4), true};
    model.Punto[4] = {6000, model.topForBinaural(8), true};
    model.relayCells();
    model.setCellSequence(1, 1);
    model.setCellSequence(2, 5);
    model.setCellSequence(3, 7);
    model.NumPuntosFR = 3;
    model.PuntoFR[1] = {0, model.topForBase(300), true};
    model.PuntoFR[2] = {4500, model.topForBase(150), true};
    model.PuntoFR[3] = {6000, model.topForBase(250), true};
    view.ultimos = 0;

    player.Play();
    int ticks = 0;
    while (player.playing() && ticks < 1000) {
        tick();
        ++ticks;
        if (!player.playing()) break;
        const double e = std::floor((ticks - 1) * 0.5 + 0.5); // whole seconds since Play
        const double tMs = e * 1000;
        const double beat = model.binauralAt(tMs);
        const double base = model.baseAt(tMs);
        ASSERT_NEAR(player.frecuenciaLed(), beat, 1e-3) << "t=" << e;
        ASSERT_NEAR(glasses.frecuencia, beat, 1e-3);
        ASSERT_NEAR(player.frecuenciaBase(), base, 1e-2) << "t=" << e;
        ASSERT_NEAR(tones.l.rate, base * 44.1, 1.0) << "t=" << e;
        ASSERT_NEAR(tones.r.rate, (beat + base) * 44.1, 1.0) << "t=" << e;
        ASSERT_EQ(glasses.secuencia, model.sequenceAt(tMs)) << "t=" << e;
        const int expectedSegment = e < 30 ? 1 : e < 60 ? 2 : 3;
        ASSERT_EQ(player.tramoBinaural(), expectedSegment) << "t=" << e;
        ASSERT_EQ(player.tramoBase(), e < 90 ? 1 : 2) << "t=" << e;
        ASSERT_NEAR(view.cursorX, 40 + 6000 * e / 120.0, 1e-3);
    }
    // Ends when the cursor reaches the last point: at 120 s, the 240th tick.
    EXPECT_EQ(ticks, 240);
    EXPECT_FALSE(player.playing());
    EXPECT_FALSE(view.locked);
    EXPECT_FALSE(view.cursorVisible);
    EXPECT_FALSE(tones.l.playing);
    EXPECT_FALSE(glasses.clock);
    EXPECT_EQ(view.infoTime, "");
    EXPECT_EQ(master.level, 60000);
}

TEST_F(PlayerTest, FadeLowersTheMasterEachSecondAndStopRestoresIt) {
    model.setMinutos(10);
    view.ultimos = 30;
    master.level = 60000;
    player.Play();
    // Run to 569 s: remaining 31 s arms the fade.
    clock.now += 569'000;
    player.Tick();
    EXPECT_TRUE(player.fading());
    EXPECT_TRUE(view.fadeTimer);
    EXPECT_DOUBLE_EQ(player.nivelMaestroGuardado(), 60000);
    master.writes.clear();
    for (int i = 1; i <= 32; ++i)
        player.FadeTick();
    ASSERT_EQ(master.writes.size(), 30u); // nothing once past the end of the fade
    for (int i = 1; i <= 30; ++i)
        EXPECT_EQ(master.writes[i - 1], toInt32((100.0 - (float(i) / 30) * 100.0) * 60000 / 100))
            << i;
    EXPECT_EQ(master.writes[0], 58000);
    EXPECT_EQ(master.writes.back(), 0);
    player.Stop();
    EXPECT_EQ(master.level, 60000);

    // A second session fades again from the full saved level.
    master.writes.clear();
    player.Play();
    clock.now += 580'000;
    player.Tick();
    player.FadeTick();
    EXPECT_EQ(master.writes.back(), 58000);
}

TEST_F(PlayerTest, ZeroFadeSecondsLeavesTheMasterAlone) {
    model.setSegundos(10);
    model.setMinutos(0);
    view.ultimos = 0;
    master.level = 40000;
    player.setNivelMaestroGuardado(40000);
    player.Play();
    for (int i = 0; i < 30 && player.playing(); ++i) {
        tick();
        player.FadeTick();
    }
    EXPECT_FALSE(player.fading());
    for (auto w : master.writes)
        EXPECT_EQ(w, 40000);
}

TEST_F(PlayerTest, FadeSecondsOutsideTheirRangeAreHeldToIt) {
    // Too many fade seconds fade over the longest allowed fade, 120 s.
    model.setMinutos(10);
    view.ultimos = std::numeric_limits<int>::max();
    master.level = 60000;
    player.Play();
    clock.now += 478'000; // 122 s left: not yet
    player.Tick();
    EXPECT_FALSE(player.fading());
    clock.now += 1'000; // 121 s left
    player.Tick();
    ASSERT_TRUE(player.fading());
    master.writes.clear();
    for (int i = 1; i <= 121; ++i)
        player.FadeTick();
    ASSERT_EQ(master.writes.size(), 120u);
    EXPECT_EQ(master.writes[0], 59500);
    EXPECT_EQ(master.writes[59], 30000);
    EXPECT_EQ(master.writes.back(), 0);
    player.Stop();

    // Negative ones mean no fade at all.
    view.ultimos = std::numeric_limits<int>::min();
    master.writes.clear();
    player.Play();
    for (int i = 0; i < 1300 && player.playing(); ++i) {
        tick();
        player.FadeTick();
    }
    EXPECT_FALSE(player.fading());
    for (auto w : master.writes)
        EXPECT_EQ(w, 60000);
}

TEST_F(PlayerTest, BinauralOffStillPacesTheLedsButSoundsNoTone) {
    view.binaural = false;
    view.mascara = true;
    view.volMascara = 35;
    player.Play();
    tick();
    EXPECT_NEAR(glasses.frecuencia, 7.2136, 1e-3);
    EXPECT_FALSE(tones.l.playing);
    EXPECT_EQ(view.infoHz, "");
    EXPECT_EQ(view.infoFR, "");
    EXPECT_TRUE(tones.m.playing);
    EXPECT_EQ(tones.m.rate, -1);  // the noise plays at its own rate
    EXPECT_EQ(tones.m.volume, 4); // 3.5 -> 4
}

TEST_F(PlayerTest, NegativeBaseValuesPlayAsZero) {
    model.FrecBaseMax = 300; // the bottom of the axis is -150 Hz
    model.PuntoFR[1].Top = model.PuntoFR[2].Top = model.H - 2 * model.MedioPunto;
    player.Play();
    tick();
    EXPECT_FLOAT_EQ(player.frecuenciaBase(), 0);
    EXPECT_EQ(tones.l.rate, 0);
    EXPECT_EQ(view.infoFR, "0");
}

TEST_F(PlayerTest, TwoPointsAtOneTimeGiveTheFirstPointsFrequency) {
    model.NumPuntosFR = 3;
    model.PuntoFR[1] = {0, model.topForBase(400), true};
    model.PuntoFR[2] = {0, model.topForBase(100), true};
    model.PuntoFR[3] = {6000, model.topForBase(100), true};
    player.Play();
    tick(); // enters segment 1 (both points at time 0)
    EXPECT_NEAR(player.frecuenciaBase(), 400, 1e-3);
    tick();
    tick(); // segment 2, 1 s in
    EXPECT_EQ(player.tramoBase(), 2);
    EXPECT_NEAR(player.frecuenciaBase(), 100, 1e-3);
}

TEST_F(PlayerTest, WithoutTheAudioSystemTheSessionStillRuns) {
    tones.present = false;
    view.mascara = true;
    player.Play();
    for (int i = 0; i < 10; ++i)
        tick();
    EXPECT_TRUE(player.playing());
    EXPECT_EQ(view.infoTime, "00:05");
    player.Stop();
    EXPECT_FALSE(player.playing());
}

TEST_F(PlayerTest, GlassesSwitchedDuringPlayFollowTheFlagAtEachMoment) {
    glasses.gafas = false;
    player.Play();
    EXPECT_FALSE(glasses.clock);
    glasses.gafas = true;
    player.Stop();
    EXPECT_FALSE(glasses.clock);
    player.Play();
    EXPECT_TRUE(glasses.clock);
    glasses.gafas = false;
    player.Stop();
    EXPECT_TRUE(glasses.clock); // left running, as the flag said "off" at Stop
    EXPECT_GT(glasses.darkens, 0);
}

TEST_F(PlayerTest, AnEndedSongIsFollowedByTheNextOnlyWhileTheSessionRuns) {
    view.musica = true;
    player.Play();
    EXPECT_EQ(music.plays, 1);
    tick();
    music.ended = true;
    tick();
    EXPECT_EQ(music.nexts, 1);
    EXPECT_EQ(music.plays, 2);
    view.musica = false;
    tick();
    EXPECT_EQ(music.nexts, 1);
}

TEST_F(PlayerTest, PointsDeletedDuringPlayNeverLeadPastTheLastSegment) {
    model.NumPuntos = 4;
    model.Punto[2] = {1000, 500, true};
    model.Punto[3] = {2000, 500, true};
    model.Punto[4] = {6000, 500, true};
    model.relayCells();
    for (int i = 1; i <= 3; ++i)
        model.setCellSequence(i, i);
    player.Play();
    clock.now += 30'000;
    player.Tick();
    player.Tick();
    player.Tick();
    EXPECT_EQ(player.tramoBinaural(), 3);
    model.NumPuntos = 2;
    model.Punto[2] = {6000, 500, true};
    model.relayCells();
    tick();
    EXPECT_EQ(player.tramoBinaural(), 1);
    EXPECT_TRUE(player.playing());
}

TEST_F(PlayerTest, APointOfTheCurrentSegmentMovedOrItsMoveUndoneIsHeardAtTheNextTick) {
    RecordingMessageService shown;
    ScriptedFileDialogs dialogs;
    session::SessionDocument doc{model, shown, dialogs};
    session::EditHistory history{doc};
    player.Play();
    clock.now += 30'000; // half-way through the flat minute: the only segment
    player.Tick();
    const std::int32_t left = tones.l.rate, right = tones.r.rate;
    {
        const session::EditStep step(&history, "mover punto");
        session::moverPunto(model, 2, 0, -600); // the last point: a higher beat
        session::soltarPunto(model, 2);
    }
    tick();
    EXPECT_GT(tones.r.rate, right);
    EXPECT_EQ(tones.l.rate, left);
    history.undo();
    tick();
    EXPECT_EQ(tones.r.rate, right);
    history.redo();
    tick();
    EXPECT_GT(tones.r.rate, right);
    EXPECT_EQ(player.tramoBinaural(), 1);

    // The base curve the same way, its first point lowered.
    {
        const session::EditStep step(&history, "mover punto");
        session::moverPuntoFR(model, 1, 0, 300);
    }
    tick();
    EXPECT_LT(tones.l.rate, left);
    history.undo();
    tick();
    EXPECT_EQ(tones.l.rate, left);
}

TEST_F(PlayerTest, ThePulseTypeChosenAtPlayVoicesTheTones) {
    struct Case {
        playback::PulseType pulse;
        bool rightSounds;
        double pulseRate; // -1: never pulsed
    };
    for (const Case c : {Case{playback::PulseType::Binaural, true, -1},
                         Case{playback::PulseType::Monaural, true, -1},
                         Case{playback::PulseType::Isochronic, false, 7.21}}) {
        SCOPED_TRACE(int(c.pulse));
        tones = {};
        view.choice = {c.pulse, playback::NoiseColour::Brown};
        player.Play();
        view.choice.pulse = playback::PulseType::Binaural; // a change now waits for the next Play
        tick();
        tick();
        EXPECT_EQ(player.pulseType(), c.pulse);
        EXPECT_EQ(tones.loadedPulse, c.pulse);
        EXPECT_EQ(tones.loadedNoise, playback::NoiseColour::Brown);
        EXPECT_TRUE(tones.l.playing);
        EXPECT_EQ(tones.l.rate, 8315); // the base, whatever the type
        EXPECT_EQ(tones.r.playing, c.rightSounds);
        EXPECT_NEAR(tones.l.pulse, c.pulseRate, 0.01); // the beat, as the glasses get it
        player.Stop();
    }
}
