// SPDX-License-Identifier: GPL-3.0-or-later
#include "lumidot.h"
#include "property_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kBack = 0xFFC0C0C0;

QImage paint(Lumidot& led, int w, int h) {
    led.resize(w, h);
    led.setBackColor(0xC0C0C0);
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    led.render(&img);
    return img;
}

QRgb rgb(quint32 bgr) {
    return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Shows `led` and counts its paints from now on.
void countPaints(Lumidot& led, PaintCounter& counter) {
    led.resize(20, 20);
    led.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&led));
    led.installEventFilter(&counter);
    QApplication::processEvents();
    counter.paints = 0;
}

TEST(Lumidot, DefaultsAndProperties) {
    Lumidot led;
    EXPECT_TRUE(led.Lit());
    EXPECT_EQ(led.LitColour(), 0x00FF00u);
    EXPECT_EQ(led.UnLitColour(), 0x808080u);
    EXPECT_FALSE(led.AllowClick());
    EXPECT_EQ(led.sizeHint(), QSize(11, 11));
    EXPECT_EQ(led.size(), QSize(11, 11));
    // Lit is the value property a host binds to.
    EXPECT_STREQ(led.metaObject()->userProperty().name(), "Lit");
    EXPECT_TRUE(led.setProperty("LitColour", 0x0000FFu));
    EXPECT_EQ(led.LitColour(), 0x0000FFu);
}

TEST(Lumidot, PaintsBodyShadowRingAndOutlineAt64) {
    Lumidot led;
    QImage img = paint(led, 64, 64);
    EXPECT_EQ(img.pixel(32, 32), rgb(0x00FF00)); // body
    EXPECT_EQ(img.pixel(0, 32), qRgb(0, 0, 0));  // outline, left
    EXPECT_EQ(img.pixel(63, 32), qRgb(0, 0, 0)); // outline, right
    EXPECT_EQ(img.pixel(32, 0), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(32, 63), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(0, 0), kBack); // corners keep the background
    EXPECT_EQ(img.pixel(63, 63), kBack);
    // Shadow: the lit colour with the top bit of each byte cleared, lower right only.
    EXPECT_EQ(img.pixel(62, 32), rgb(0x007F00));
    EXPECT_EQ(img.pixel(53, 53), rgb(0x007F00));
    EXPECT_EQ(img.pixel(1, 32), rgb(0x00FF00)); // the ring on the left is the body colour
    EXPECT_EQ(img.pixel(10, 10), rgb(0x00FF00));
    // Highlight in the upper-left quarter only.
    EXPECT_EQ(img.pixel(11, 11), qRgb(255, 255, 255));
    int white = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (img.pixel(x, y) == qRgb(255, 255, 255)) {
                ++white;
                EXPECT_TRUE(x <= 33 && y <= 33) << x << "," << y;
            }
    EXPECT_GT(white, 20);
}

TEST(Lumidot, UnlitUsesUnlitColourAndItsShadow) {
    Lumidot led;
    led.setUnLitColour(0x4080FF); // r=FF g=80 b=40
    led.setLit(false);
    QImage img = paint(led, 64, 64);
    EXPECT_EQ(img.pixel(32, 32), rgb(0x4080FF));
    EXPECT_EQ(img.pixel(62, 32), rgb(0x40007F));
    led.setLit(true);
    led.setLitColour(0x808080);
    img = paint(led, 64, 64);
    EXPECT_EQ(img.pixel(32, 32), rgb(0x808080));
    EXPECT_EQ(img.pixel(62, 32), rgb(0x000000));
}

TEST(Lumidot, StillDrawsAnLedAtItsNaturalSize) {
    Lumidot led;
    led.setLitColour(0x0000FF);
    QImage img = paint(led, 11, 11);
    EXPECT_EQ(img.pixel(5, 5), rgb(0x0000FF));
    EXPECT_EQ(img.pixel(0, 5), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(0, 0), kBack);
}

TEST(Lumidot, SystemColourBackgroundComesFromThePalette) {
    Lumidot led;
    led.resize(20, 20);
    QImage img(20, 20, QImage::Format_RGB32);
    led.render(&img);
    EXPECT_EQ(img.pixel(0, 0), led.palette().color(QPalette::Button).rgb());
}

TEST(Lumidot, LeftClickTogglesOnlyWhenAllowed) {
    Lumidot led;
    led.resize(20, 20);
    QSignalSpy clicks(&led, &Lumidot::clicked);
    QSignalSpy presses(&led, &Lumidot::mousePressed);
    QSignalSpy releases(&led, &Lumidot::mouseReleased);
    QTest::mouseClick(&led, Qt::LeftButton, Qt::ShiftModifier, QPoint(4, 6));
    EXPECT_TRUE(led.Lit());
    ASSERT_EQ(presses.count(), 1);
    EXPECT_EQ(presses[0], (QList<QVariant>{Lumidot::LeftButton, Lumidot::ShiftMask, 4, 6}));
    EXPECT_EQ(releases.count(), 1);
    EXPECT_EQ(clicks.count(), 1);

    led.setAllowClick(true);
    QTest::mouseClick(&led, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(led.Lit());
    QTest::mouseClick(&led, Qt::RightButton, Qt::ControlModifier, QPoint(5, 5));
    EXPECT_FALSE(led.Lit()); // only the left button toggles
    EXPECT_EQ(presses.last()[0].toInt(), Lumidot::RightButton);
    EXPECT_EQ(presses.last()[1].toInt(), Lumidot::CtrlMask);
    EXPECT_EQ(clicks.count(), 2);
    QTest::mouseClick(&led, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(led.Lit());
}

TEST(Lumidot, AllowClickDoesNotRepaintButColoursDo) {
    Lumidot led;
    PaintCounter counter;
    countPaints(led, counter);
    led.setAllowClick(true);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    led.setLit(false);
    QApplication::processEvents();
    EXPECT_GE(counter.paints, 1);
}

TEST(Lumidot, SettingWhatAPropertyHoldsChangesNothing) {
    Lumidot led;
    PaintCounter counter;
    countPaints(led, counter);
    QSignalSpy changed(&led, &Lumidot::propertiesChanged);
    led.setLit(led.Lit());
    led.setLitColour(led.LitColour());
    led.setUnLitColour(led.UnLitColour());
    led.setAllowClick(led.AllowClick());
    led.setBackColor(led.BackColor());
    QApplication::processEvents();
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(counter.paints, 0);
    led.setLitColour(0x0000FF);
    EXPECT_EQ(changed.count(), 1);
}

TEST(Lumidot, PropertyPageWritesOnApplyOnly) {
    Lumidot led;
    LumidotPropertyPage page(&led);
    EXPECT_EQ(page.windowTitle(), "General");
    EXPECT_EQ(page.litBox()->text(), "Lit");
    EXPECT_EQ(page.allowClickBox()->text(), "Allow a mouse click to change the state of the LED");
    EXPECT_TRUE(page.litBox()->isChecked());
    EXPECT_FALSE(page.allowClickBox()->isChecked());
    page.litBox()->setChecked(false);
    page.allowClickBox()->setChecked(true);
    EXPECT_TRUE(led.Lit());
    page.buttons()->button(QDialogButtonBox::Apply)->click();
    EXPECT_FALSE(led.Lit());
    EXPECT_TRUE(led.AllowClick());
    page.litBox()->setChecked(true);
    page.buttons()->button(QDialogButtonBox::Cancel)->click();
    EXPECT_FALSE(led.Lit());
}

TEST(Lumidot, AboutBoxIsModalAndCloses) {
    Lumidot led;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        seen = box && box->text().contains("Lumidot");
        if (box) box->accept();
    });
    led.AboutBox();
    EXPECT_TRUE(seen);
}

} // namespace
