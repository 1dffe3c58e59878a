// SPDX-License-Identifier: GPL-3.0-or-later
#include "button_test_support.h"
#include "controls/gradient_look.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

using namespace buttontest;
using vs::controls::BotonGradiente;

namespace {

const QColor kFace(120, 100, 160);
const Colour kBase = baseOf(kFace); // (168, 148, 200): no channel saturates
constexpr Colour kBorder = 0x00733C00, kCorner = 0x007B4D10;

void hover(BotonGradiente& b) {
    b.setPointerSource([&b] { return b.mapToGlobal(QPoint(10, 10)); });
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), b.mapToGlobal(QPointF(10, 10)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&b, &move);
}

void press(BotonGradiente& b) {
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(10, 10), b.mapToGlobal(QPointF(10, 10)),
                     Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&b, &down);
}

void expectBorder(const Shown& s, int w, int h) {
    EXPECT_EQ(s.at(2, 0), argb(kBorder));
    EXPECT_EQ(s.at(0, 10), argb(kBorder));
    EXPECT_EQ(s.at(w - 1, 10), argb(kBorder));
    EXPECT_EQ(s.at(40, h - 1), argb(kBorder));
    for (QPoint c : {QPoint(1, 1), QPoint(1, h - 2), QPoint(w - 2, 1), QPoint(w - 2, h - 2)})
        EXPECT_EQ(s.at(c.x(), c.y()), argb(kCorner)) << c.x() << "," << c.y();
}

} // namespace

TEST(GradientLook, NormalStateGradientBorderAndBevel) {
    Shown s;
    ASSERT_EQ(s.button->picture().size(), QSize(75, 25));
    for (int y : {3, 10, 20, 21})
        EXPECT_EQ(s.at(5, y), argb(shifted(kBase, -y))) << "row " << y;
    expectBorder(s, 75, 25);
    EXPECT_EQ(s.at(10, 23), argb(shifted(kBase, -48)));
    EXPECT_EQ(s.at(10, 22), argb(shifted(kBase, -32)));
    EXPECT_EQ(s.at(73, 10), argb(shifted(kBase, -36)));
    EXPECT_EQ(s.at(72, 10), argb(shifted(kBase, -24)));
    EXPECT_EQ(s.at(10, 1), argb(shifted(kBase, 16)));
    EXPECT_EQ(s.at(10, 2), argb(shifted(kBase, 10)));
    EXPECT_EQ(s.at(1, 10), argb(shifted(kBase, -5)));
    EXPECT_EQ(s.at(2, 10), argb(shifted(kBase, -10)));
    // Where the lines meet, the later one wins.
    EXPECT_EQ(s.at(1, 2), argb(shifted(kBase, -5)));
    EXPECT_EQ(s.at(1, 22), argb(shifted(kBase, -5)));
    EXPECT_EQ(s.at(72, 22), argb(shifted(kBase, -32)));
    EXPECT_EQ(s.at(72, 1), argb(shifted(kBase, 16)));
}

TEST(GradientLook, GradientRowsRoundHalvesToEven) {
    Shown s({}, {75, 40});
    // 25 / 40 = 0.625: row 4 gives 2.5 -> 2, row 12 gives 7.5 -> 8, row 20 12.5 -> 12.
    EXPECT_EQ(s.at(5, 4), argb(shifted(kBase, -2)));
    EXPECT_EQ(s.at(5, 12), argb(shifted(kBase, -8)));
    EXPECT_EQ(s.at(5, 20), argb(shifted(kBase, -12)));
}

TEST(GradientLook, TheStepTimesTheRowIsTakenInSinglePrecision) {
    // In double, 25 / h (a single) times the row lands a hair off the half
    // on these rows and rounds the other way.
    const struct {
        int h, row, amount;
    } cases[] = {{30, 9, 8},   {60, 18, 8},  {62, 31, 12}, {70, 7, 2},
                 {74, 37, 12}, {78, 39, 12}, {82, 41, 12}, {90, 9, 2}};
    for (const auto& c : cases) {
        Shown s({}, {75, c.h});
        EXPECT_EQ(s.at(5, c.row), argb(shifted(kBase, -c.amount))) << c.h << " row " << c.row;
    }
}

TEST(GradientLook, HoverAndFocusRings) {
    struct Ring {
        Colour frame, bottom, top, second, sides;
    };
    auto expectRing = [](const Shown& s, const Ring& r) {
        EXPECT_EQ(s.at(10, 22), argb(r.frame));
        EXPECT_EQ(s.at(1, 10), argb(r.frame));
        EXPECT_EQ(s.at(73, 10), argb(r.frame));
        EXPECT_EQ(s.at(1, 22), argb(r.frame));
        EXPECT_EQ(s.at(10, 23), argb(r.bottom));
        EXPECT_EQ(s.at(10, 1), argb(r.top));
        EXPECT_EQ(s.at(10, 2), argb(r.second));
        EXPECT_EQ(s.at(73, 2), argb(r.second)); // that line runs to w - 1
        EXPECT_EQ(s.at(2, 10), argb(r.sides));
        EXPECT_EQ(s.at(72, 10), argb(r.sides));
        EXPECT_EQ(s.at(10, 10), argb(shifted(kBase, -10)));
        expectBorder(s, 75, 25);
    };
    {
        Shown s;
        hover(*s.button);
        ASSERT_TRUE(s.button->mouseOver());
        expectRing(s, {0x0031B2FF, 0x000096E7, 0x00CEF3FF, 0x008CDBFF, 0x006BCBFF});
    }
    {
        Shown s;
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(s.button, &in);
        expectRing(s, {0x00E7AE8C, 0x00EF826B, 0x00FFE7CE, 0x00F7D7BD, 0x00F0D1B5});
        // Hover wins over focus.
        hover(*s.button);
        EXPECT_EQ(s.at(10, 22), argb(0x0031B2FF));
        // Without the focus rectangle a focused button shows the plain bevel.
        Shown t;
        t.button->setShowFocusRect(false);
        QApplication::sendEvent(t.button, &in);
        EXPECT_EQ(t.at(10, 23), argb(shifted(kBase, -48)));
    }
}

TEST(GradientLook, PressedStateBuildsOnTheDarkColour) {
    Shown s;
    press(*s.button);
    const Colour dark = shifted(kBase, -32);
    // Row r is drawn at y = h - r, so its amount is 25 - r.
    for (int r : {3, 10, 20})
        EXPECT_EQ(s.at(5, r), argb(shifted(dark, -(25 - r)))) << "row " << r;
    expectBorder(s, 75, 25);
    EXPECT_EQ(s.at(10, 23), argb(shifted(dark, 16)));
    EXPECT_EQ(s.at(10, 22), argb(shifted(dark, 10)));
    EXPECT_EQ(s.at(73, 10), argb(shifted(dark, 5)));
    EXPECT_EQ(s.at(72, 10), argb(kBase));
    EXPECT_EQ(s.at(10, 1), argb(shifted(dark, -32)));
    EXPECT_EQ(s.at(10, 2), argb(shifted(dark, -24)));
    EXPECT_EQ(s.at(1, 10), argb(shifted(dark, -32)));
    EXPECT_EQ(s.at(2, 10), argb(shifted(dark, -22)));
    EXPECT_EQ(s.at(2, 2), argb(shifted(dark, -22)));
    EXPECT_EQ(s.at(72, 2), argb(shifted(dark, -24)));
}

TEST(GradientLook, DisabledState) {
    Shown s;
    s.button->setEnabled(false);
    EXPECT_EQ(s.at(10, 10), argb(shifted(kBase, -24)));
    EXPECT_EQ(s.at(10, 2), argb(shifted(kBase, -24)));
    EXPECT_EQ(s.at(0, 10), argb(shifted(kBase, -84)));
    EXPECT_EQ(s.at(40, 24), argb(shifted(kBase, -84)));
    EXPECT_EQ(s.at(1, 1), argb(shifted(kBase, -72)));
    EXPECT_EQ(s.at(73, 23), argb(shifted(kBase, -72)));
}

TEST(GradientLook, HouseFaceColourGivesAWhiteBase) {
    // The stored back colour 0x00D8E9EC as the desktop's face: base is white.
    Shown s({}, {75, 25}, QColor(0xEC, 0xE9, 0xD8));
    EXPECT_EQ(s.at(5, 10), argb(shifted(0x00FFFFFF, -10)));
    EXPECT_EQ(s.at(10, 1), argb(0x00FFFFFF));
}

TEST(GradientLook, CornersAreOutsideTheWindowRegion) {
    Shown s;
    const QImage& img = s.button->picture();
    const int w = 75, h = 25;
    for (QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(w - 1, 0), QPoint(w - 2, 0),
                     QPoint(w - 1, 1), QPoint(0, h - 1), QPoint(1, h - 1), QPoint(0, h - 2),
                     QPoint(w - 1, h - 1), QPoint(w - 2, h - 1), QPoint(w - 1, h - 2)}) {
        EXPECT_EQ(qAlpha(img.pixel(p)), 0) << p.x() << "," << p.y();
        EXPECT_FALSE(s.button->mask().contains(p)) << p.x() << "," << p.y();
    }
    for (QPoint p : {QPoint(2, 0), QPoint(1, 1), QPoint(0, 2), QPoint(w - 3, h - 1)}) {
        EXPECT_EQ(qAlpha(img.pixel(p)), 255) << p.x() << "," << p.y();
        EXPECT_TRUE(s.button->mask().contains(p));
    }
    // The region follows a resize.
    s.button->resize(90, 30);
    EXPECT_FALSE(s.button->mask().contains(QPoint(88, 29)));
    EXPECT_TRUE(s.button->mask().contains(QPoint(87, 28)));
}

TEST(GradientLook, CaptionCentredAndMovedWhenPressed) {
    auto darkBox = [](const QImage& img) {
        QRect box;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) == qRgb(0, 0, 0)) box |= QRect(x, y, 1, 1);
        return box;
    };
    Shown s(QStringLiteral("Play"), {75, 25}, QColor(0xEC, 0xE9, 0xD8));
    // Whole pixels in the fore colour, so the caption's place is exact.
    QFont f = s.button->font();
    f.setStyleStrategy(QFont::NoAntialias);
    s.button->setFont(f);
    const QRect normal = darkBox(s.button->picture());
    ASSERT_FALSE(normal.isEmpty());
    EXPECT_NEAR(normal.center().x(), 37, 2);
    EXPECT_NEAR(normal.center().y(), 12, 2);
    press(*s.button);
    EXPECT_EQ(darkBox(s.button->picture()), normal.translated(1, 1));
}

TEST(GradientLook, NoHeightOrTinySizesDrawSafely) {
    Shown s({}, {75, 0});
    EXPECT_TRUE(s.button->picture().isNull());
    press(*s.button); // no drawing, no failure
    for (int w = 0; w <= 4; ++w)
        for (int h = 0; h <= 4; ++h)
            for (auto state : {vs::controls::DrawState::Normal, vs::controls::DrawState::Pressed})
                for (bool over : {false, true}) {
                    vs::controls::LookInput in;
                    in.width = w;
                    in.height = h;
                    in.state = state;
                    in.mouseOver = over;
                    in.caption = QStringLiteral("Stop");
                    const QImage img = vs::controls::paintGradientLook(in);
                    EXPECT_EQ(img.isNull(), w == 0 || h == 0);
                }
}
