// SPDX-License-Identifier: GPL-3.0-or-later
// The graph group as the main window sees it: grid options, axis labels, the
// length scroll bars, the sequence strip's mouse signals and the time cursor.
#include "session/graph_frame.h"
#include "session/graph_view.h"
#include "session/session_model.h"
#include "session/strip_view.h"
#include "temp_dir.h"

#include "session/session_keys.h"
#include "base/preferences.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace vs::session {
namespace {

class GraphFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.becomeProgramFolders();
        frame = std::make_unique<GraphFrame>(m);
        frame->resize(GraphFrame::designSize());
        frame->show(); // a hidden widget gets its resize only when shown
    }
    void TearDown() override { frame.reset(); }

    QString label(const char* name) const {
        auto* l = frame->findChild<QLabel*>(name);
        return l ? l->text() : QString("<missing %1>").arg(name);
    }
    bool labelShown(const char* name) const {
        auto* l = frame->findChild<QLabel*>(name);
        return l && !l->isHidden();
    }
    static bool isGridGreen(const QColor& c) { return c == QColor(0, 0x80, 0); }

    vs::test::TempDir dir;
    SessionModel m;
    std::unique_ptr<GraphFrame> frame;
};

TEST_F(GraphFrameTest, AxisValuesFollowTheOpenSessionsMaxima) {
    EXPECT_EQ(label("lblPic1Binaural0"), "0.0");
    EXPECT_EQ(label("lblPic1Binaural1"), "5.0");
    EXPECT_EQ(label("lblPic1Binaural3"), "15.0");
    EXPECT_EQ(label("lblPic1Base0"), "100");
    EXPECT_EQ(label("lblPic1Base4"), "500");
    m.FrecBaseMax = 1000;
    m.FrecBinauralMax = 30;
    frame->DibujarGrid();
    EXPECT_EQ(label("lblPic1Base0"), "600");
    EXPECT_EQ(label("lblPic1Base2"), "800");
    EXPECT_EQ(label("lblPic1Base4"), "1000");
    EXPECT_EQ(label("lblPic1Binaural2"), "20.0");
    EXPECT_EQ(label("lblHzBinaural"), "Hz Binaural");
    EXPECT_EQ(label("lblHzBase"), "Hz Base");
    EXPECT_EQ(label("lblDuracion"), QString::fromUtf8("Duración"));
    EXPECT_EQ(frame->findChild<QLabel*>("lblTiempo")->toolTip(),
              QString::fromUtf8("Duración sesión"));
}

TEST_F(GraphFrameTest, GridLinesOptionHidesLinesButNotTicksOrValues) {
    // The first vertical line stands at x = 1240 units, pixel 82..83.
    auto verticalLineShown = [&] {
        QImage img = frame->graphView()->grab().toImage();
        return isGridGreen(img.pixelColor(82, 5)) || isGridGreen(img.pixelColor(83, 5));
    };
    auto tickShown = [&] {
        // LineF(0) at y = 2615 units (pixel 174), left of the frame.
        QImage img = frame->grab().toImage();
        return img.pixelColor(42, 174).lightness() < 100 &&
               img.pixelColor(42, 170).lightness() > 100;
    };
    EXPECT_TRUE(verticalLineShown());
    EXPECT_TRUE(tickShown());

    Preferences::instance().save(vs::session::pref::VerLineasGrid, "0");
    frame->DibujarGrid();
    EXPECT_FALSE(frame->graphView()->grid().linesVisible);
    EXPECT_TRUE(frame->graphView()->grid().namesVisible);
    EXPECT_FALSE(verticalLineShown());
    EXPECT_TRUE(tickShown());
    EXPECT_TRUE(labelShown("lblPic1Binaural3"));
    EXPECT_EQ(label("lblPic1Binaural3"), "15.0");

    Preferences::instance().save(vs::session::pref::VerLineasGrid, "1");
    Preferences::instance().save(vs::session::pref::VerTextoFrecuencias, "0");
    frame->DibujarGrid();
    EXPECT_TRUE(verticalLineShown());
    EXPECT_FALSE(frame->graphView()->grid().namesVisible);
}

TEST_F(GraphFrameTest, SecondsPastFiftyNineCarryAndWrapBothBars) {
    QScrollBar* min = frame->scrollMinutos();
    QScrollBar* sec = frame->scrollSegundos();
    EXPECT_EQ(min->maximum(), 60);
    EXPECT_EQ(min->value(), 1);
    EXPECT_EQ(frame->lblTiempoText(), "01:00");
    QSignalSpy length(frame.get(), &GraphFrame::lengthTextChanged);
    min->setValue(59);
    sec->setValue(59);
    EXPECT_EQ(frame->lblTiempoText(), "59:59");
    EXPECT_EQ(label("lblT4"), "47:59");
    sec->setValue(60);
    EXPECT_EQ(sec->value(), 0);
    EXPECT_EQ(min->value(), 0);
    EXPECT_EQ(m.minutos(), 0);
    EXPECT_EQ(m.segundos(), 0);
    EXPECT_EQ(frame->lblTiempoText(), "00:00");
    EXPECT_EQ(length.count(), 3);
    EXPECT_EQ(length.last().at(0).toString(), "00:00");
    sec->setValue(30);
    min->setValue(60);
    EXPECT_EQ(min->value(), 0);
    EXPECT_EQ(frame->lblTiempoText(), "00:30");
    EXPECT_EQ(label("lblT1"), "00:06");
    EXPECT_EQ(label("lblT0"), "00:00");
    // Scrolling changes the length, not the curves: the modified flag is the
    // length label listener's business.
    EXPECT_FALSE(m.SesionModificada);
}

TEST_F(GraphFrameTest, ScrollBarsHaveTheirHighestValueAtTheTop) {
    QScrollBar* sec = frame->scrollSegundos();
    sec->setValue(30);
    QTest::mouseClick(sec, Qt::LeftButton, {}, QPoint(sec->width() / 2, 3));
    EXPECT_EQ(sec->value(), 31);
    QTest::mouseClick(sec, Qt::LeftButton, {}, QPoint(sec->width() / 2, sec->height() - 3));
    QTest::mouseClick(sec, Qt::LeftButton, {}, QPoint(sec->width() / 2, sec->height() - 3));
    EXPECT_EQ(sec->value(), 29);
    QTest::keyClick(sec, Qt::Key_Up);
    EXPECT_EQ(sec->value(), 30);
    // The handle of a high value sits near the top.
    sec->setValue(58);
    QStyleOptionSlider opt;
    opt.initFrom(sec);
    opt.orientation = Qt::Vertical;
    opt.minimum = sec->minimum();
    opt.maximum = sec->maximum();
    opt.sliderPosition = opt.sliderValue = sec->value();
    opt.pageStep = sec->pageStep();
    opt.singleStep = sec->singleStep();
    opt.upsideDown = sec->invertedAppearance();
    const QRect handle =
        sec->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, sec);
    EXPECT_LT(handle.center().y(), sec->height() / 4);
}

TEST_F(GraphFrameTest, RefreshShowsAnotherSessionsLengthAndRanges) {
    QSignalSpy length(frame.get(), &GraphFrame::lengthTextChanged);
    m.setMinutos(75 / 60);
    m.setSegundos(15);
    m.FrecBaseMax = 700;
    frame->refresh();
    EXPECT_EQ(frame->scrollMinutos()->value(), 1);
    EXPECT_EQ(frame->scrollSegundos()->value(), 15);
    EXPECT_EQ(frame->lblTiempoText(), "01:15");
    EXPECT_EQ(label("lblT2"), "00:30");
    EXPECT_EQ(label("lblPic1Base4"), "700");
    ASSERT_EQ(length.count(), 1);
    frame->refresh();
    EXPECT_EQ(length.count(), 1); // same caption, no change
}

TEST_F(GraphFrameTest, TimeCursorOnGraphAndStrip) {
    GraphView* g = frame->graphView();
    EXPECT_FALSE(g->cursorLineVisible());
    frame->setCursorX(3040);
    frame->setCursorVisible(true);
    EXPECT_TRUE(g->cursorLineVisible());
    EXPECT_DOUBLE_EQ(g->cursorLineX(), 3040);
    EXPECT_TRUE(frame->stripView()->cursorBarVisible());
    EXPECT_DOUBLE_EQ(frame->stripView()->cursorBarX(), 3040);
    QImage img = g->grab().toImage();
    const QColor c =
        img.pixelColor(202, 140).red() > 200 ? img.pixelColor(202, 140) : img.pixelColor(203, 140);
    EXPECT_EQ(c, QColor(255, 0, 0));
    frame->setCursorVisible(false);
    EXPECT_FALSE(frame->stripView()->cursorBarVisible());
}

class StripTest : public GraphFrameTest {
protected:
    void SetUp() override {
        GraphFrameTest::SetUp();
        strip = frame->stripView();
    }
    StripView* strip = nullptr;
};

// Sequence k shows as (k, 2k, 3k) with red in the low byte; 0 (no sequence) as white.
std::uint32_t testColour(int k) {
    return k == 0 ? 0xFFFFFFu
                  : std::uint32_t(k) | std::uint32_t(2 * k) << 8 | std::uint32_t(3 * k) << 16;
}

TEST_F(StripTest, CellsSpanCentreToCentreInThePalettesColours) {
    frame->setSequencePalette(testColour);
    m.NumPuntos = 3;
    m.Punto[3] = m.Punto[2];
    m.Punto[2] = {2960, 600, true};
    m.relayCells();
    m.setCellSequence(1, 3);
    m.setCellSequence(2, 7);
    frame->refresh();
    EXPECT_EQ(strip->height(), 13);
    EXPECT_EQ(strip->cellAt(2), 0); // left of the first point's centre
    EXPECT_EQ(strip->cellAt(100), 1);
    EXPECT_EQ(strip->cellAt(199), 1); // centre 2992.5 units
    EXPECT_EQ(strip->cellAt(200), 2); // centre 3007.5 units
    EXPECT_EQ(strip->cellAt(404), 0);
    QImage img = strip->grab().toImage();
    EXPECT_EQ(img.pixelColor(100, 6), QColor(3, 6, 9));
    EXPECT_EQ(img.pixelColor(300, 6), QColor(7, 14, 21));

    m.pG[2].Tag = "x"; // a damaged cell asks the palette for sequence 0
    img = strip->grab().toImage();
    EXPECT_EQ(img.pixelColor(300, 6), QColor(255, 255, 255));
}

TEST_F(StripTest, ANewSessionsCellShowsSequenceSix) {
    frame->setSequencePalette(testColour);
    frame->refresh();
    EXPECT_EQ(strip->grab().toImage().pixelColor(200, 6), QColor(6, 12, 18));
}

TEST_F(StripTest, WithoutAPaletteCellsShowTheStripsBackground) {
    const QImage img = strip->grab().toImage();
    EXPECT_EQ(img.pixelColor(200, 6), strip->palette().color(QPalette::Button));
}

TEST_F(StripTest, MouseWorkOnACellIsForwarded) {
    QSignalSpy pressed(frame.get(), &GraphFrame::cellPressed);
    QSignalSpy released(frame.get(), &GraphFrame::cellReleased);
    QSignalSpy moved(frame.get(), &GraphFrame::cellMoved);
    QSignalSpy doubled(frame.get(), &GraphFrame::cellDoubleClicked);

    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(100, 6));
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed.last().at(0).toInt(), 1);
    EXPECT_EQ(pressed.last().at(1).value<Qt::MouseButton>(), Qt::LeftButton);
    // The held cell keeps the mouse: moves outside it report positions outside.
    QTest::mouseMove(strip, QPoint(500, 30));
    ASSERT_EQ(moved.count(), 1);
    const QRect cell = strip->cellRect(1);
    EXPECT_EQ(moved.last().at(0).toInt(), 1);
    EXPECT_EQ(moved.last().at(1).toInt(), 500 - cell.left());
    EXPECT_GT(moved.last().at(1).toInt(), moved.last().at(3).toInt());
    EXPECT_EQ(moved.last().at(2).toInt(), 30);
    EXPECT_EQ(moved.last().at(4).toInt(), strip->height());
    EXPECT_EQ(moved.last().at(5).value<Qt::MouseButtons>(), Qt::MouseButtons(Qt::LeftButton));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(500, 30));
    ASSERT_EQ(released.count(), 1);
    EXPECT_EQ(released.last().at(0).toInt(), 1);

    QTest::mouseDClick(strip, Qt::LeftButton, {}, QPoint(50, 6));
    ASSERT_EQ(doubled.count(), 1);
    EXPECT_EQ(doubled.last().at(0).toInt(), 1);
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(50, 6));

    // A press on the margin left of the first centre is on no cell.
    QTest::mousePress(strip, Qt::RightButton, {}, QPoint(1, 6));
    QTest::mouseRelease(strip, Qt::RightButton, {}, QPoint(1, 6));
    EXPECT_EQ(pressed.count(), 1);
}

TEST_F(StripTest, PointingHandOverCellsAndNothingWhileDisabled) {
    QMouseEvent hover(QEvent::MouseMove, QPointF(100, 6), QPointF(100, 6), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &hover);
    EXPECT_EQ(strip->cursor().shape(), Qt::PointingHandCursor);

    QSignalSpy pressed(frame.get(), &GraphFrame::cellPressed);
    frame->setStripEnabled(false);
    EXPECT_FALSE(strip->isEnabled());
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(100, 6));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(100, 6));
    EXPECT_EQ(pressed.count(), 0);
    frame->setStripEnabled(true);
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(100, 6));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(100, 6));
    EXPECT_EQ(pressed.count(), 1);
}

// A window may let go of its model before Qt deletes the graph; the frame
// must then leave the model alone (AddressSanitizer reports it otherwise).
TEST(GraphFrameLifetime, AFrameMayOutliveItsModel) {
    vs::test::TempDir dir;
    dir.becomeProgramFolders();
    auto model = std::make_unique<SessionModel>();
    auto frame = std::make_unique<GraphFrame>(*model);
    frame->show();
    model->notify();
    model.reset();
    frame.reset();

    // And a frame that goes first no longer listens to the model.
    SessionModel kept;
    frame = std::make_unique<GraphFrame>(kept);
    frame.reset();
    kept.notify();
}

} // namespace
} // namespace vs::session
