// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/session_model.h"

#include <gtest/gtest.h>

using vs::session::SessionModel;

TEST(SessionModel, NewSessionReadsTheDocumentedValues) {
    SessionModel m;
    m.SesionNueva();
    EXPECT_EQ(m.NumPuntos, 2);
    EXPECT_EQ(m.NumPuntosFR, 2);
    EXPECT_FLOAT_EQ(m.Punto[1].Left, 0);
    EXPECT_FLOAT_EQ(m.Punto[2].Left, 6000);
    EXPECT_FLOAT_EQ(m.Punto[1].Top, 1087.5f);
    EXPECT_FLOAT_EQ(m.PuntoFR[2].Top, 1450);
    EXPECT_NEAR(m.binauralHz(m.Punto[1].Top), 7.2136, 1e-3);
    EXPECT_NEAR(m.baseHz(m.PuntoFR[1].Top), 188.54, 1e-2);
    EXPECT_EQ(m.lengthMs(), 60000);
    EXPECT_EQ(m.pG[1].Tag, "6");
    EXPECT_FLOAT_EQ(m.pG[1].Left, 40);
    EXPECT_FLOAT_EQ(m.pG[1].Width, 6000);
    for (int i = 2; i <= vs::session::kMaxCells; ++i)
        EXPECT_FALSE(m.pG[i].Visible) << i;
    for (int i = 3; i <= vs::session::kMaxPuntos; ++i)
        EXPECT_FALSE(m.Punto[i].Visible) << i;
}

TEST(SessionModel, NewSessionTakesTheRangesFromThePreferenceCopies) {
    SessionModel m;
    m.FrecBinauralMaxPref = 30;
    m.FrecBaseMaxPref = 1000;
    m.FrecBinauralMax = 12;
    m.FrecBaseMax = 700;
    m.SesionModificada = true;
    m.SesionNueva();
    EXPECT_FLOAT_EQ(m.FrecBinauralMax, 30);
    EXPECT_EQ(m.FrecBaseMax, 1000);
    EXPECT_TRUE(m.SesionModificada); // left to the callers
}

TEST(SessionModel, AxisEndsAndTimeEnds) {
    SessionModel m;
    const float bottom = m.H - 2 * m.MedioPunto;
    EXPECT_DOUBLE_EQ(m.binauralHz(0), 15);
    EXPECT_NEAR(m.binauralHz(bottom), 0, 1e-9);
    EXPECT_DOUBLE_EQ(m.baseHz(0), 500);
    EXPECT_NEAR(m.baseHz(bottom), 50, 1e-9);
    m.FrecBaseMax = 1000;
    EXPECT_DOUBLE_EQ(m.baseHz(0), 1000);
    EXPECT_NEAR(m.baseHz(bottom), 550, 1e-9);
    // Conversions are inverse of each other.
    EXPECT_NEAR(m.binauralHz(m.topForBinaural(3.5)), 3.5, 1e-4);
    EXPECT_NEAR(m.baseHz(m.topForBase(777)), 777, 1e-3);
    m.setMinutos(25);
    EXPECT_DOUBLE_EQ(m.timeMs(0), 0);
    EXPECT_DOUBLE_EQ(m.timeMs(6000), 25 * 60 * 1000.0);
    EXPECT_DOUBLE_EQ(m.cursorX(0), 40);
    EXPECT_DOUBLE_EQ(m.cursorX(m.lengthMs()), 6040);
}

TEST(SessionModel, ValueAtTimeInterpolatesAndTreatsEqualTimesAsFlat) {
    SessionModel m; // 1:00, points at 0 and 6000
    m.NumPuntos = 4;
    m.Punto[2] = {1500, m.topForBinaural(10), true};
    m.Punto[3] = {1500, m.topForBinaural(2), true}; // same time as point 2
    m.Punto[4] = {6000, m.topForBinaural(4), true};
    m.Punto[1].Top = m.topForBinaural(6);
    m.relayCells();
    m.setCellSequence(1, 3);
    m.setCellSequence(2, 5);
    m.setCellSequence(3, 7);
    // 0 s .. 15 s runs 6 -> 10 Hz.
    EXPECT_NEAR(m.binauralAt(7500), 8, 1e-4);
    // At the shared time the first segment's end is found first.
    EXPECT_NEAR(m.binauralAt(15000), 10, 1e-4);
    // After it, 2 -> 4 Hz from 15 s to 60 s.
    EXPECT_NEAR(m.binauralAt(37500), 3, 1e-4);
    EXPECT_NEAR(m.binauralAt(60000), 4, 1e-4);
    EXPECT_NEAR(m.binauralAt(99999), 4, 1e-4);
    EXPECT_EQ(m.sequenceAt(0), 3);
    EXPECT_EQ(m.sequenceAt(14999), 3);
    EXPECT_EQ(m.sequenceAt(15000), 7); // the zero-length segment 2 is never current
    EXPECT_EQ(m.sequenceAt(60000), 7);
    EXPECT_FALSE(m.pG[4].Visible);
    EXPECT_FLOAT_EQ(m.pG[2].Width, 0);
    EXPECT_FLOAT_EQ(m.pG[3].Left, 1540);
}

TEST(SessionModel, BaseValueOfASegmentWithBothPointsAtOneTimeIsItsFirstPoint) {
    SessionModel m;
    m.NumPuntosFR = 3;
    m.PuntoFR[2] = {0, m.topForBase(300), true};
    m.PuntoFR[3] = {6000, m.topForBase(100), true};
    m.PuntoFR[1].Top = m.topForBase(400);
    EXPECT_NEAR(m.baseAt(0), 400, 1e-3);
    EXPECT_NEAR(m.baseAt(30000), 200, 1e-3);
}

TEST(SessionModel, LengthScrollBarsWrapAtSixty) {
    SessionModel m;
    m.setMinutos(59);
    m.setSegundos(59);
    m.setSegundos(60);
    EXPECT_EQ(m.minutos(), 0);
    EXPECT_EQ(m.segundos(), 0);
    m.setMinutos(3);
    m.setSegundos(60);
    EXPECT_EQ(m.minutos(), 4);
    EXPECT_EQ(m.segundos(), 0);
    m.setMinutos(60);
    EXPECT_EQ(m.minutos(), 0);
    EXPECT_EQ(m.lengthSeconds(), 0);
}

TEST(SessionModel, CellTagsOutsideTheTableReadAsNoSequence) {
    SessionModel m;
    for (const char* bad : {"0", "8", "x", "", "2.5"}) {
        m.pG[1].Tag = bad;
        EXPECT_EQ(m.cellSequence(1), 0) << bad;
    }
    m.pG[1].Tag = " 4 ";
    EXPECT_EQ(m.cellSequence(1), 4);
}

TEST(SessionModel, LayingCellsStaysWithinTheSegmentsThereAre) {
    SessionModel m;
    m.NumPuntos = 3;
    m.Punto[2] = {2000, 500, true};
    m.Punto[3] = {6000, 500, true};
    m.pG[3].Left = 111; // beyond the last segment
    m.pG[3].Width = 222;
    m.layCells(0, vs::session::kMaxCells + 5);
    EXPECT_FLOAT_EQ(m.pG[1].Left, 40);
    EXPECT_FLOAT_EQ(m.pG[1].Width, 2000);
    EXPECT_FLOAT_EQ(m.pG[2].Left, 2040);
    EXPECT_FLOAT_EQ(m.pG[2].Width, 4000);
    EXPECT_FLOAT_EQ(m.pG[3].Left, 111);
    EXPECT_FLOAT_EQ(m.pG[3].Width, 222);
    m.Punto[2].Left = 3000;
    m.layCells(2, 2); // only the range asked for
    EXPECT_FLOAT_EQ(m.pG[1].Width, 2000);
    EXPECT_FLOAT_EQ(m.pG[2].Left, 3040);
    EXPECT_FLOAT_EQ(m.pG[2].Width, 3000);
}
