// SPDX-License-Identifier: GPL-3.0-or-later
// The editing rules on the model alone, to the graph unit.
#include "editor_test_support.h"

#include "session/curve_editor.h"
#include "session/session_model.h"

#include <gtest/gtest.h>

namespace vs::session {
namespace {

using test::expectCellsFollowPoints;
using test::ScriptedRandom;
using test::valueFor;

class EditorLogic : public ::testing::Test {
protected:
    SessionModel m;
    ScriptedRandom random{{valueFor(4)}};
    float k = m.MedioPunto;
    float lastLeft = m.W - 2 * m.MedioPunto; // 6000
};

TEST(FormatoTiempo, MinutesSecondsAndHoursWithHalvesToEven) {
    EXPECT_EQ(FormatoTiempo(0), "00:00");
    EXPECT_EQ(FormatoTiempo(61000), "01:01");
    EXPECT_EQ(FormatoTiempo(3599000), "59:59");
    EXPECT_EQ(FormatoTiempo(3600000), "1:00:00");
    EXPECT_EQ(FormatoTiempo(500), "00:00");
    EXPECT_EQ(FormatoTiempo(1500), "00:02");
    EXPECT_EQ(FormatoTiempo(2500), "00:02");
    EXPECT_EQ(FormatoTiempo(9000), "00:09");
    EXPECT_EQ(FormatoTiempo(10000), "00:10");
    EXPECT_EQ(FormatoTiempo(36061000), "10:01:01");
}

TEST(SessionLength, SixtyWrapsAndSecondsCarryIntoMinutes) {
    SessionModel m;
    m.setMinutos(59);
    m.setSegundos(59);
    m.setSegundos(60);
    EXPECT_EQ(m.segundos(), 0);
    EXPECT_EQ(m.minutos(), 0);
    m.setMinutos(3);
    m.setSegundos(60);
    EXPECT_EQ(m.minutos(), 4);
    m.setMinutos(60);
    EXPECT_EQ(m.minutos(), 0);
}

TEST(SessionLength, TimeLabelsAreFifthsOfTheLength) {
    SessionModel m;
    TimeLabels t = EscribirTiempos(m);
    EXPECT_EQ(t.lblTiempo, "01:00");
    EXPECT_EQ(t.lblT[0], "00:00");
    EXPECT_EQ(t.lblT[1], "00:12");
    EXPECT_EQ(t.lblT[4], "00:48");
    m.setMinutos(0);
    m.setSegundos(7); // fifths of 1.4 s round to whole seconds
    t = EscribirTiempos(m);
    EXPECT_EQ(t.lblT[1], "00:01");
    EXPECT_EQ(t.lblT[2], "00:03");
    EXPECT_EQ(t.lblT[3], "00:04");
    EXPECT_EQ(t.lblT[4], "00:06");
    EXPECT_EQ(t.lblTiempo, "00:07");
    m.setMinutos(0);
    m.setSegundos(0);
    t = EscribirTiempos(m);
    EXPECT_EQ(t.lblTiempo, "00:00");
    EXPECT_EQ(t.lblT[4], "00:00");
}

TEST_F(EditorLogic, BinauralAddLimitsAreExactToTheUnit) {
    const float leftLimit = m.Punto[1].Left + 2 * k;
    EXPECT_EQ(agregarPunto(m, leftLimit - 1, 500, random), 0);
    EXPECT_EQ(agregarPunto(m, leftLimit - 0.01f, 500, random), 0);
    EXPECT_FALSE(m.SesionModificada);
    EXPECT_EQ(agregarPunto(m, leftLimit, 500, random), 2);
    EXPECT_FLOAT_EQ(m.Punto[2].Left, leftLimit - k);
    EXPECT_FLOAT_EQ(m.Punto[2].Top, 500);
    EXPECT_TRUE(m.SesionModificada);

    const float rightLimit = lastLeft - k;
    EXPECT_EQ(agregarPunto(m, rightLimit, 500, random), 0);
    EXPECT_EQ(agregarPunto(m, rightLimit + 30, 500, random), 0);
    EXPECT_EQ(agregarPunto(m, rightLimit - 1, 500, random), 3);
    EXPECT_EQ(m.NumPuntos, 4);
    expectCellsFollowPoints(m);
}

TEST_F(EditorLogic, BinauralAddClampsTheHeightToTheBottom) {
    ASSERT_EQ(agregarPunto(m, 3000, m.H - 1, random), 2);
    EXPECT_FLOAT_EQ(m.Punto[2].Top, m.H - 2 * k);
    ASSERT_EQ(agregarPunto(m, 1000, 0, random), 2);
    EXPECT_FLOAT_EQ(m.Punto[2].Top, 0);
}

TEST_F(EditorLogic, ClicksTooCloseToAnInnerPointAreRefused) {
    ASSERT_EQ(agregarPunto(m, 3040, 500, random), 2); // Left 3000
    const float left = m.Punto[2].Left;
    for (float x : {left - k + 0.5f, left, left + 2 * k, left + 3 * k - 0.5f})
        EXPECT_EQ(agregarPunto(m, x, 900, random), 0) << x;
    EXPECT_EQ(m.NumPuntos, 3);
    // Just outside the zone on the right: the new marker touches the old one.
    EXPECT_EQ(agregarPunto(m, left + 3 * k, 900, random), 3);
    EXPECT_FLOAT_EQ(m.Punto[3].Left, left + 2 * k);
    expectCellsFollowPoints(m);
}

TEST_F(EditorLogic, ClickOnTheLeftEdgeOfTheZoneGoesBeforeThePoint) {
    // At exactly Left - k the click is neither too close nor "before" by the
    // strict test; it must still land in order, before the point it touches.
    ASSERT_EQ(agregarPunto(m, 3040, 500, random), 2); // Left 3000
    ASSERT_EQ(agregarPunto(m, 5040, 500, random), 3); // Left 5000
    EXPECT_EQ(agregarPunto(m, 3000 - k, 800, random), 2);
    EXPECT_FLOAT_EQ(m.Punto[2].Left, 3000 - 2 * k);
    EXPECT_FLOAT_EQ(m.Punto[3].Left, 3000);
    for (int i = 1; i < m.NumPuntos; ++i)
        EXPECT_LT(m.Punto[i].Left, m.Punto[i + 1].Left);
    expectCellsFollowPoints(m);
}

TEST_F(EditorLogic, ThirtyFirstPointIsIgnoredOnBothCurves) {
    for (int i = 0; i < 28; ++i) {
        ASSERT_NE(agregarPunto(m, 200 + 200.0f * i, 700, random), 0) << i;
        ASSERT_NE(agregarPuntoFR(m, 200 + 200.0f * i, 700), 0) << i;
    }
    ASSERT_EQ(m.NumPuntos, 30);
    ASSERT_EQ(m.NumPuntosFR, 30);
    expectCellsFollowPoints(m);
    EXPECT_EQ(agregarPunto(m, 5900 - 200, 700, random), 0);
    EXPECT_EQ(agregarPuntoFR(m, 5950, 700), 0);
    EXPECT_EQ(m.NumPuntos, 30);
    EXPECT_EQ(m.NumPuntosFR, 30);
    EXPECT_TRUE(m.pG[29].Visible);
}

TEST_F(EditorLogic, NewSegmentSplitsTheOldOneAndGetsADifferentSequence) {
    // Segments: 1 = [0, 3000] seq 3, 2 = [3000, 6000] seq 5.
    ASSERT_EQ(agregarPunto(m, 3040, 500, random), 2);
    m.setCellSequence(1, 3);
    m.setCellSequence(2, 5);
    // Draws 3 (left neighbour), then 5 (right neighbour), then 2.
    ScriptedRandom scripted({valueFor(3), valueFor(5), valueFor(2)});
    ASSERT_EQ(agregarPunto(m, 1540, 500, scripted), 2);
    EXPECT_EQ(scripted.seeds, 1);
    EXPECT_EQ(scripted.draws, 3);
    EXPECT_EQ(m.cellSequence(1), 3); // first half keeps its sequence
    EXPECT_EQ(m.cellSequence(2), 2);
    EXPECT_EQ(m.cellSequence(3), 5); // later segment keeps its own
    EXPECT_EQ(m.pG[2].Tag, "2");
    EXPECT_EQ(m.pG[3].Tag, "5");
    expectCellsFollowPoints(m);
}

TEST_F(EditorLogic, LastSegmentOnlyAvoidsItsLeftNeighbour) {
    m.setCellSequence(1, 6);
    ScriptedRandom scripted({valueFor(6), valueFor(6), valueFor(1)});
    ASSERT_EQ(agregarPunto(m, 4000, 500, scripted), 2);
    EXPECT_EQ(scripted.draws, 3);
    EXPECT_EQ(m.cellSequence(1), 6);
    EXPECT_EQ(m.cellSequence(2), 1);
}

TEST(EditorRandom, DrawRoundsHalvesToEvenSoTheEndsAreRarer) {
    // r = round(v * 6) + 1 with halves to even.
    struct Case {
        double v;
        int r;
    };
    for (Case c : {Case{0.0, 1}, Case{0.05, 1}, Case{0.09, 2}, Case{0.25, 3}, Case{0.75, 5},
                   Case{0.9, 6}, Case{0.95, 7}, Case{0.999, 7}}) {
        SessionModel m;
        m.setCellSequence(1, c.r == 4 ? 5 : 4);
        ScriptedRandom one({c.v});
        ASSERT_EQ(agregarPunto(m, 3000, 500, one), 2);
        EXPECT_EQ(m.cellSequence(2), c.r) << c.v;
    }
}

TEST(EditorRandom, ADegenerateSourceCannotHangTheEditor) {
    SessionModel m;
    m.setCellSequence(1, 4);
    ScriptedRandom stuck({valueFor(4)});
    ASSERT_EQ(agregarPunto(m, 3000, 500, stuck), 2);
    EXPECT_NE(m.cellSequence(2), 4);
    EXPECT_GE(m.cellSequence(2), 1);
}

TEST(EditorRandom, ClockSourceStaysInRange) {
    ClockRandom r;
    r.seedFromClock();
    for (int i = 0; i < 1000; ++i) {
        double v = r.next();
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
    }
}

TEST_F(EditorLogic, DeletingPointThreeOfFourKeepsSegmentTwo) {
    ASSERT_EQ(agregarPunto(m, 2040, 500, random), 2); // Left 2000
    ASSERT_EQ(agregarPunto(m, 4040, 900, random), 3); // Left 4000
    m.setCellSequence(1, 1);
    m.setCellSequence(2, 2);
    m.setCellSequence(3, 3);
    m.SesionModificada = false;

    ASSERT_TRUE(EliminarPunto(m, 3));
    EXPECT_TRUE(m.SesionModificada);
    EXPECT_EQ(m.NumPuntos, 3);
    EXPECT_FLOAT_EQ(m.Punto[3].Left, lastLeft);
    EXPECT_EQ(m.cellSequence(1), 1);
    EXPECT_EQ(m.cellSequence(2), 2);
    EXPECT_FLOAT_EQ(m.pG[2].Width, lastLeft - 2000);
    EXPECT_FALSE(m.pG[3].Visible);
    expectCellsFollowPoints(m);

    // Deleting point 2: segment 1 reaches the last point, segment 2's sequence goes.
    ASSERT_TRUE(EliminarPunto(m, 2));
    EXPECT_EQ(m.cellSequence(1), 1);
    EXPECT_FLOAT_EQ(m.pG[1].Width, lastLeft);
    expectCellsFollowPoints(m);
}

TEST_F(EditorLogic, EndPointsCannotBeDeleted) {
    ASSERT_EQ(agregarPunto(m, 3000, 500, random), 2);
    ASSERT_EQ(agregarPuntoFR(m, 3000, 500), 2);
    m.SesionModificada = false;
    for (int index : {0, 1, 3, 4}) {
        EXPECT_FALSE(EliminarPunto(m, index)) << index;
        EXPECT_FALSE(EliminarPuntoFR(m, index)) << index;
    }
    EXPECT_FALSE(m.SesionModificada);
    EXPECT_EQ(m.NumPuntos, 3);
    EXPECT_TRUE(EliminarPuntoFR(m, 2));
    EXPECT_EQ(m.NumPuntosFR, 2);
    EXPECT_FLOAT_EQ(m.PuntoFR[2].Left, lastLeft);
    EXPECT_FALSE(m.PuntoFR[3].Visible);
    EXPECT_TRUE(m.SesionModificada);
}

TEST_F(EditorLogic, BaseAddHasNoProximityTestAndNoHeightClamp) {
    const float leftLimit = m.PuntoFR[1].Left + 2 * k;
    EXPECT_EQ(agregarPuntoFR(m, leftLimit - 1, 100), 0);
    EXPECT_EQ(agregarPuntoFR(m, lastLeft, 100), 0);
    EXPECT_EQ(agregarPuntoFR(m, leftLimit, 100), 2);
    EXPECT_FLOAT_EQ(m.PuntoFR[2].Left, leftLimit); // the marker's left edge at the click
    EXPECT_EQ(agregarPuntoFR(m, leftLimit + 1, m.H - 5), 3);
    EXPECT_FLOAT_EQ(m.PuntoFR[3].Top, m.H - 5);
    EXPECT_EQ(agregarPuntoFR(m, lastLeft - 1, 100), 4);
    EXPECT_EQ(m.NumPuntosFR, 5);
    for (int i = 1; i < m.NumPuntosFR; ++i)
        EXPECT_LT(m.PuntoFR[i].Left, m.PuntoFR[i + 1].Left);
    EXPECT_EQ(m.NumPuntos, 2); // the beat curve and its cells are untouched
    expectCellsFollowPoints(m);
}

TEST_F(EditorLogic, DraggingMovesMiddlePointsAndOnlyRaisesEndPoints) {
    ASSERT_EQ(agregarPunto(m, 3040, 500, random), 2);
    m.SesionModificada = false;
    moverPunto(m, 2, 200, -100);
    EXPECT_FLOAT_EQ(m.Punto[2].Left, 3200);
    EXPECT_FLOAT_EQ(m.Punto[2].Top, 400);
    EXPECT_TRUE(m.SesionModificada);
    expectCellsFollowPoints(m);

    moverPunto(m, 1, 500, 300);
    EXPECT_FLOAT_EQ(m.Punto[1].Left, 0);
    EXPECT_FLOAT_EQ(m.Punto[1].Top, m.H / 2 + 300);
    moverPunto(m, 3, -900, -1500);
    EXPECT_FLOAT_EQ(m.Punto[3].Left, lastLeft);
    EXPECT_FLOAT_EQ(m.Punto[3].Top, m.H / 2 - 1500);
    expectCellsFollowPoints(m);

    // Released outside the graph's height: back to the edge.
    moverPunto(m, 2, 0, -1000);
    soltarPunto(m, 2);
    EXPECT_FLOAT_EQ(m.Punto[2].Top, 0);
    moverPunto(m, 3, 0, 5000);
    soltarPunto(m, 3);
    EXPECT_FLOAT_EQ(m.Punto[3].Top, m.H - 2 * k);
}

TEST_F(EditorLogic, BasePointReachesButNeverPassesItsNeighbours) {
    ASSERT_EQ(agregarPuntoFR(m, 3000, 500), 2);
    moverPuntoFR(m, 2, 9000, 0);
    EXPECT_FLOAT_EQ(m.PuntoFR[2].Left, lastLeft);
    moverPuntoFR(m, 2, -9000, 0);
    EXPECT_FLOAT_EQ(m.PuntoFR[2].Left, 0);
    // The height is brought inside before the offset is added, so a point held
    // below the bottom keeps creeping back towards it.
    m.PuntoFR[2].Top = m.H - 2 * k + 20;
    moverPuntoFR(m, 2, 0, 10);
    EXPECT_FLOAT_EQ(m.PuntoFR[2].Top, m.H - 2 * k + 10);
    moverPuntoFR(m, 1, 700, -10);
    EXPECT_FLOAT_EQ(m.PuntoFR[1].Left, 0);
}

TEST_F(EditorLogic, PointerBoundsAtDesignScale) {
    ASSERT_EQ(agregarPunto(m, 2040, 500, random), 2); // Left 2000
    ASSERT_EQ(agregarPunto(m, 4040, 500, random), 3); // Left 4000
    PointerBounds end = limitesArrastre(m, CurveKind::Binaural, 1, 15, 15);
    EXPECT_FLOAT_EQ(end.left, 0);
    EXPECT_FLOAT_EQ(end.top, 0);
    EXPECT_FLOAT_EQ(end.right, m.W - 60);
    EXPECT_FLOAT_EQ(end.bottom, m.H - 60);
    PointerBounds mid = limitesArrastre(m, CurveKind::Binaural, 2, 15, 15);
    EXPECT_FLOAT_EQ(mid.left, 0 + 60);
    EXPECT_FLOAT_EQ(mid.right, 4000 + 2 * k - 120);
    EXPECT_FLOAT_EQ(mid.bottom, m.H - 60);
}

TEST_F(EditorLogic, PointerBoundsNeverReachPastANeighbourWhenZoomed) {
    ASSERT_EQ(agregarPunto(m, 2040, 500, random), 2);
    ASSERT_EQ(agregarPunto(m, 4040, 500, random), 3);
    // At 4 units a pixel eight pixels are less than a marker's width.
    PointerBounds mid = limitesArrastre(m, CurveKind::Binaural, 2, 4, 4);
    EXPECT_FLOAT_EQ(mid.left, 16);
    EXPECT_FLOAT_EQ(mid.right, 4000 - 4);
    // Neighbours closer than the margins: the point cannot move sideways.
    m.Punto[2].Left = 2000;
    m.Punto[1].Left = 1960;
    m.Punto[3].Left = 2040;
    PointerBounds tight = limitesArrastre(m, CurveKind::Binaural, 2, 15, 15);
    EXPECT_FLOAT_EQ(tight.left, 2000);
    EXPECT_FLOAT_EQ(tight.right, 2000);
}

TEST_F(EditorLogic, InfoTextsShowOneDecimalWholeHertzAndRoundedTime) {
    m.Punto[2].Top = 0;
    PointInfo info = MostrarInfo(m, 2);
    EXPECT_EQ(info.hz, "15.0");
    EXPECT_EQ(info.time, "01:00");
    info = MostrarInfo(m, 1);
    EXPECT_EQ(info.hz, "7.2"); // H/2 reads 7.21 Hz
    EXPECT_EQ(info.time, "00:00");
    m.PuntoFR[2].Top = m.H - 2 * k;
    info = MostrarInfoFR(m, 2);
    EXPECT_EQ(info.hz, "50");
    EXPECT_EQ(MostrarInfoFR(m, 1).hz, "189"); // 188.54 Hz
    // A point half way along a 1:01 session: 30.5 s rounds to 30 s (even).
    m.setSegundos(1);
    m.Punto[2].Left = 3000;
    EXPECT_EQ(MostrarInfo(m, 2).time, "00:30");
    EXPECT_TRUE(MostrarInfo(m, 0).hz.empty());
    EXPECT_TRUE(MostrarInfo(m, 0).time.empty());
    EXPECT_TRUE(MostrarInfoFR(m, 0).hz.empty());
}

} // namespace
} // namespace vs::session
