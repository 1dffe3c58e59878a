// SPDX-License-Identifier: GPL-3.0-or-later
// The curve editor driven through the real graph widget with synthetic mouse
// events: pixels in, graph units and cells out.
#include "editor_test_support.h"

#include "session/graph_frame.h"
#include "session/graph_view.h"
#include "session/strip_view.h"
#include "session/session_model.h"
#include "temp_dir.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace vs::session {
namespace {

using test::expectCellsFollowPoints;
using test::ScriptedRandom;
using test::valueFor;

class EditorWidget : public ::testing::Test {
protected:
    void SetUp() override {
        dir.becomeProgramFolders();
        frame = std::make_unique<GraphFrame>(m);
        frame->resize(GraphFrame::designSize());
        frame->show(); // a hidden widget gets its resize only when shown
        frame->setRandomSource(&random);
        g = frame->graphView();
    }
    void TearDown() override { frame.reset(); }

    // Pixel row through the middle of the graph, clear of the default points.
    static constexpr int kRow = 40;
    void click(int x, int y = kRow, Qt::KeyboardModifiers mods = Qt::NoModifier,
               Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(g, button, mods, QPoint(x, y));
        QTest::mouseRelease(g, button, mods, QPoint(x, y));
    }
    // Centre pixel of a marker.
    QPoint markerPixel(const Marker& mk) const {
        const float k = m.MedioPunto;
        return QPoint(static_cast<int>((mk.Left + k) / 15), static_cast<int>((mk.Top + k) / 15));
    }

    vs::test::TempDir dir;
    SessionModel m;
    ScriptedRandom random{{valueFor(2), valueFor(4)}};
    std::unique_ptr<GraphFrame> frame;
    GraphView* g = nullptr;
    float k = m.MedioPunto;
    float lastLeft = m.W - 2 * m.MedioPunto;
};

TEST_F(EditorWidget, GraphIsFifteenUnitsAPixelAtTheDesignSize) {
    EXPECT_DOUBLE_EQ(frame->scale(), 1.0);
    EXPECT_FLOAT_EQ(g->unitsPerPixel(), 15);
    EXPECT_EQ(g->size(), QSize(405, 145));
    EXPECT_EQ(g->pos(), QPoint(48, 32)); // 720, 480 units
    EXPECT_EQ(frame->stripView()->x() + frame->stripView()->parentWidget()->x(), g->x());
    EXPECT_EQ(frame->stripView()->width(), g->width());
}

TEST_F(EditorWidget, LeftLimitOfAClickInPixels) {
    // Punto(1).Left + 2k = 80 units lies inside pixel 5 (75..89): pixel 6 is the
    // first whose position (90) passes the test, pixel 5 (75) is the last refused.
    ASSERT_EQ(g->pixelAt(m.Punto[1].Left + 2 * k, 0).x(), 6);
    click(5);
    EXPECT_EQ(m.NumPuntos, 2);
    EXPECT_FALSE(m.SesionModificada);
    click(6);
    ASSERT_EQ(m.NumPuntos, 3);
    EXPECT_FLOAT_EQ(m.Punto[2].Left, 90 - k);
    EXPECT_FLOAT_EQ(m.Punto[2].Top, kRow * 15);
    EXPECT_TRUE(m.SesionModificada);
    expectCellsFollowPoints(m);
}

TEST_F(EditorWidget, RightLimitOfAClickInPixels) {
    // X >= Punto(N).Left - k = 5960 is refused: pixel 398 (5970) no, 397 (5955) yes.
    ASSERT_EQ(g->pixelAt(lastLeft - k, 0).x(), 398);
    click(398);
    click(400);
    EXPECT_EQ(m.NumPuntos, 2);
    click(397);
    ASSERT_EQ(m.NumPuntos, 3);
    EXPECT_FLOAT_EQ(m.Punto[2].Left, 5955 - k);
    expectCellsFollowPoints(m);
}

TEST_F(EditorWidget, ClickBelowTheCurveRangeLandsOnTheBottom) {
    click(200, 144);
    ASSERT_EQ(m.NumPuntos, 3);
    EXPECT_FLOAT_EQ(m.Punto[2].Top, m.H - 2 * k);
}

TEST_F(EditorWidget, TooCloseClicksAndModifiersAreIgnored) {
    click(200); // Left 2960, too-close zone 2920 < X < 3080: pixels 195..205
    ASSERT_EQ(m.NumPuntos, 3);
    QSignalSpy edited(frame.get(), &GraphFrame::edited);
    for (int x : {195, 198, 205})
        click(x, 100);
    click(300, kRow, Qt::ControlModifier);
    click(300, kRow, Qt::ShiftModifier | Qt::ControlModifier);
    click(300, kRow, Qt::NoModifier, Qt::MiddleButton);
    click(300, kRow, Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(m.NumPuntos, 3);
    EXPECT_EQ(m.NumPuntosFR, 2);
    EXPECT_EQ(edited.count(), 0);
    click(206, 100); // 3090: outside the zone
    EXPECT_EQ(m.NumPuntos, 4);
    EXPECT_EQ(edited.count(), 1);
    expectCellsFollowPoints(m);
}

TEST_F(EditorWidget, ShiftClickAddsABasePoint) {
    click(100, 20, Qt::ShiftModifier);
    ASSERT_EQ(m.NumPuntosFR, 3);
    EXPECT_FLOAT_EQ(m.PuntoFR[2].Left, 1500);
    EXPECT_FLOAT_EQ(m.PuntoFR[2].Top, 300);
    EXPECT_EQ(m.NumPuntos, 2);
}

TEST_F(EditorWidget, ThirtyFirstPointIsIgnored) {
    for (int i = 0; i < 28; ++i)
        click(10 + 13 * i, 20 + i);
    ASSERT_EQ(m.NumPuntos, 30);
    expectCellsFollowPoints(m);
    QSignalSpy edited(frame.get(), &GraphFrame::edited);
    click(390);
    EXPECT_EQ(m.NumPuntos, 30);
    EXPECT_EQ(edited.count(), 0);
}

TEST_F(EditorWidget, DraggingAMiddlePointStopsShortOfItsNeighbours) {
    click(100); // Left 1460
    click(300); // Left 4460
    ASSERT_EQ(m.NumPuntos, 4);
    QSignalSpy hz(frame.get(), &GraphFrame::infoHz);
    QSignalSpy time(frame.get(), &GraphFrame::infoTime);
    const QPoint start = markerPixel(m.Punto[2]);
    QTest::mousePress(g, Qt::LeftButton, {}, start);
    ASSERT_TRUE(g->dragging());
    ASSERT_EQ(hz.count(), 1);
    EXPECT_EQ(hz.last().at(0).toString(), "10.7");

    // Far right: the pointer stops 8 px short of the right edge of the next marker.
    QTest::mouseMove(g, QPoint(1000, kRow));
    EXPECT_FLOAT_EQ(m.Punto[2].Left, 4460 + 2 * k - 120);
    EXPECT_LT(m.Punto[2].Left, m.Punto[3].Left);
    expectCellsFollowPoints(m);
    // Far left: 4 px right of the previous marker's left edge.
    QTest::mouseMove(g, QPoint(-500, kRow));
    EXPECT_FLOAT_EQ(m.Punto[2].Left, 0 + 60);
    expectCellsFollowPoints(m);
    // Above the graph the pointer stays on the top row.
    QTest::mouseMove(g, QPoint(150, -80));
    EXPECT_FLOAT_EQ(m.Punto[2].Left, 2250);
    EXPECT_FLOAT_EQ(m.Punto[2].Top, 0);
    EXPECT_EQ(hz.last().at(0).toString(), "15.0");
    // Below: 4 px short of the bottom while held, the curve's floor once released.
    QTest::mouseMove(g, QPoint(150, 400));
    EXPECT_FLOAT_EQ(m.Punto[2].Top, m.H - 60);
    QTest::mouseRelease(g, Qt::LeftButton, {}, QPoint(150, 400));
    EXPECT_FALSE(g->dragging());
    EXPECT_FLOAT_EQ(m.Punto[2].Top, m.H - 2 * k);
    EXPECT_EQ(hz.last().at(0).toString(), "");
    EXPECT_EQ(time.last().at(0).toString(), "");
    expectCellsFollowPoints(m);

    // Once released, moves with another button held go nowhere.
    const float left = m.Punto[2].Left;
    QTest::mousePress(g, Qt::RightButton, {}, QPoint(390, 5));
    QTest::mouseMove(g, QPoint(200, 20));
    QTest::mouseRelease(g, Qt::RightButton, {}, QPoint(200, 20));
    EXPECT_FLOAT_EQ(m.Punto[2].Left, left);
    EXPECT_EQ(m.NumPuntos, 4);
}

TEST_F(EditorWidget, DraggingEndPointsOnlyChangesTheirHeight) {
    for (int index : {1, 2}) {
        SCOPED_TRACE(index);
        QTest::mousePress(g, Qt::LeftButton, {}, markerPixel(m.Punto[index]));
        ASSERT_TRUE(g->dragging());
        QTest::mouseMove(g, QPoint(200, 30));
        EXPECT_FLOAT_EQ(m.Punto[index].Left, index == 1 ? 0 : lastLeft);
        EXPECT_FLOAT_EQ(m.Punto[index].Top, 450);
        QTest::mouseMove(g, QPoint(-100, -100));
        EXPECT_FLOAT_EQ(m.Punto[index].Top, 0);
        QTest::mouseRelease(g, Qt::LeftButton, {}, QPoint(-100, -100));
        EXPECT_FLOAT_EQ(m.Punto[index].Left, index == 1 ? 0 : lastLeft);
    }
    for (int index : {1, 2}) {
        SCOPED_TRACE(index);
        QTest::mousePress(g, Qt::LeftButton, {}, markerPixel(m.PuntoFR[index]));
        QTest::mouseMove(g, QPoint(200, 10));
        EXPECT_FLOAT_EQ(m.PuntoFR[index].Left, index == 1 ? 0 : lastLeft);
        EXPECT_FLOAT_EQ(m.PuntoFR[index].Top, 150);
        QTest::mouseRelease(g, Qt::LeftButton, {}, QPoint(200, 10));
    }
    expectCellsFollowPoints(m);
    EXPECT_TRUE(m.SesionModificada);
}

TEST_F(EditorWidget, BasePointReleasedBelowStaysWhereTheConfinementLetItGo) {
    click(200, 20, Qt::ShiftModifier); // Left 3000, Top 300
    ASSERT_EQ(m.NumPuntosFR, 3);
    QSignalSpy fr(frame.get(), &GraphFrame::infoFR);
    QTest::mousePress(g, Qt::LeftButton, {}, markerPixel(m.PuntoFR[2]));
    EXPECT_EQ(fr.last().at(0).toString(), "436");
    QTest::mouseMove(g, QPoint(210, 300));
    QTest::mouseRelease(g, Qt::LeftButton, {}, QPoint(210, 300));
    EXPECT_FLOAT_EQ(m.PuntoFR[2].Left, 3150);
    EXPECT_FLOAT_EQ(m.PuntoFR[2].Top, m.H - 60); // below H - 2k, inside the graph
    EXPECT_EQ(fr.last().at(0).toString(), "");
}

TEST_F(EditorWidget, RightPressDeletesMiddlePointsOnly) {
    click(100);
    click(200);
    click(300);
    ASSERT_EQ(m.NumPuntos, 5);
    m.setCellSequence(1, 1);
    m.setCellSequence(2, 2);
    m.setCellSequence(3, 3);
    m.setCellSequence(4, 4);
    QSignalSpy edited(frame.get(), &GraphFrame::edited);

    QTest::mousePress(g, Qt::RightButton, {}, markerPixel(m.Punto[1]));
    QTest::mousePress(g, Qt::RightButton, {}, markerPixel(m.Punto[5]));
    EXPECT_EQ(m.NumPuntos, 5);
    EXPECT_EQ(edited.count(), 0);

    QTest::mousePress(g, Qt::RightButton, {}, markerPixel(m.Punto[3]));
    ASSERT_EQ(m.NumPuntos, 4);
    EXPECT_EQ(edited.count(), 1);
    EXPECT_EQ(m.cellSequence(1), 1);
    EXPECT_EQ(m.cellSequence(2), 2);
    EXPECT_EQ(m.cellSequence(3), 4);
    expectCellsFollowPoints(m);

    click(150, 20, Qt::ShiftModifier);
    ASSERT_EQ(m.NumPuntosFR, 3);
    QTest::mousePress(g, Qt::RightButton, {}, markerPixel(m.PuntoFR[1]));
    EXPECT_EQ(m.NumPuntosFR, 3);
    QTest::mousePress(g, Qt::RightButton, {}, markerPixel(m.PuntoFR[2]));
    EXPECT_EQ(m.NumPuntosFR, 2);
}

TEST_F(EditorWidget, RightPressDuringADragDoesNotDeleteTheHeldPoint) {
    click(200);
    ASSERT_EQ(m.NumPuntos, 3);
    const QPoint at = markerPixel(m.Punto[2]);
    QTest::mousePress(g, Qt::LeftButton, {}, at);
    QTest::mousePress(g, Qt::RightButton, {}, at);
    QTest::mouseRelease(g, Qt::RightButton, {}, at);
    EXPECT_EQ(m.NumPuntos, 3);
    EXPECT_TRUE(g->dragging());
    QTest::mouseMove(g, QPoint(250, kRow));
    QTest::mouseRelease(g, Qt::LeftButton, {}, QPoint(250, kRow));
    EXPECT_FLOAT_EQ(m.Punto[2].Left, 3750);
    expectCellsFollowPoints(m);
}

TEST_F(EditorWidget, NewSegmentTakesAScriptedSequenceDifferentFromItsNeighbours) {
    // The default segment holds 6; the script offers 2 then 4.
    click(200);
    EXPECT_EQ(m.cellSequence(1), 6);
    EXPECT_EQ(m.cellSequence(2), 2);
    // Splitting segment 1 (6) before segment 2 (2): 4 is next in the script.
    click(100);
    EXPECT_EQ(m.cellSequence(1), 6);
    EXPECT_EQ(m.cellSequence(2), 4);
    EXPECT_EQ(m.cellSequence(3), 2);
    EXPECT_EQ(random.seeds, 2);
}

TEST_F(EditorWidget, MarkersAndCurvesArePaintedInTheirColours) {
    m.Punto[2].Top = 0;                // the beat curve rises from H/2 to the top
    click(200, 97, Qt::ShiftModifier); // a nearly flat base curve
    QImage img = g->grab().toImage();
    EXPECT_EQ(img.pixelColor(2, static_cast<int>((m.H / 2 + k) / 15)), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(401, 1), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(markerPixel(m.PuntoFR[2])), QColor(0, 255, 0));
    // Half way along the flat stretch of the base curve to the new point.
    const int baseY = static_cast<int>((m.PuntoFR[1].Top + k) / 15);
    bool yellow = false;
    for (int dy = -1; dy <= 1; ++dy)
        yellow |= img.pixelColor(50, baseY + dy).red() > 200 &&
                  img.pixelColor(50, baseY + dy).blue() < 60;
    EXPECT_TRUE(yellow);
    // The ground is black away from lines and text.
    EXPECT_EQ(img.pixelColor(390, 140), QColor(Qt::black));
}

TEST_F(EditorWidget, LargerWindowKeepsGraphUnitsAndScalesBothAxes) {
    frame->resize(GraphFrame::designSize() * 2);
    EXPECT_DOUBLE_EQ(frame->scale(), 2.0);
    EXPECT_FLOAT_EQ(g->unitsPerPixel(), 7.5);
    EXPECT_EQ(g->size(), QSize(811, 290));
    // Pixel 11 is 82.5 units: inside the left limit now reachable at half steps.
    click(10, 80);
    EXPECT_EQ(m.NumPuntos, 2);
    click(11, 80);
    ASSERT_EQ(m.NumPuntos, 3);
    EXPECT_FLOAT_EQ(m.Punto[2].Left, 82.5f - k);
    EXPECT_FLOAT_EQ(m.Punto[2].Top, 600);
    // Dragging at this scale still cannot pass the last point.
    click(400, 80);
    QTest::mousePress(g, Qt::LeftButton, {}, QPoint(400, 80 + 5));
    ASSERT_TRUE(g->dragging());
    QTest::mouseMove(g, QPoint(2000, 80));
    QTest::mouseRelease(g, Qt::LeftButton, {}, QPoint(2000, 80));
    EXPECT_FLOAT_EQ(m.Punto[3].Left, lastLeft - 7.5f); // a pixel short of it
    EXPECT_LT(m.Punto[3].Left, m.Punto[4].Left);
    expectCellsFollowPoints(m);
}

} // namespace
} // namespace vs::session
