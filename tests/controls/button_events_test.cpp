// SPDX-License-Identifier: GPL-3.0-or-later
#include "button_test_support.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace buttontest;
using vs::controls::BotonGradiente;

namespace {

const Colour kBase = baseOf(QColor(120, 100, 160));
const QRgb kNormalAt10 = argb(shifted(kBase, -10));                       // (5, 10)
const QRgb kPressedAt10 = argb(shifted(shifted(kBase, -32), -(25 - 10))); // (5, 10)

void mouse(BotonGradiente& b, QEvent::Type type, Qt::MouseButton button, QPoint at = {10, 10},
           Qt::MouseButtons held = Qt::NoButton) {
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) held |= button;
    QMouseEvent e(type, QPointF(at), b.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&b, &e);
}

void key(BotonGradiente& b, QEvent::Type type, int k, bool repeat = false) {
    QKeyEvent e(type, k, Qt::NoModifier, k == Qt::Key_Space ? QStringLiteral(" ") : QString(),
                repeat);
    QApplication::sendEvent(&b, &e);
}

} // namespace

TEST(ButtonEvents, LeftClickShowsPressedThenClicksOnce) {
    Shown s;
    QSignalSpy click(s.button, &BotonGradiente::Click);
    QSignalSpy down(s.button, &BotonGradiente::MouseDown);
    QSignalSpy up(s.button, &BotonGradiente::MouseUp);
    mouse(*s.button, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(s.at(5, 10), kPressedAt10);
    EXPECT_EQ(click.count(), 0);
    mouse(*s.button, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(s.at(5, 10), kNormalAt10);
    EXPECT_EQ(click.count(), 1);
    EXPECT_EQ(down.count(), 1);
    ASSERT_EQ(up.count(), 1);
    EXPECT_EQ(up.at(0).at(2).toInt(), 10);

    // Released off the button: no click, and the look is back to normal.
    mouse(*s.button, QEvent::MouseButtonPress, Qt::LeftButton);
    mouse(*s.button, QEvent::MouseMove, Qt::NoButton, {200, 10}, Qt::LeftButton);
    EXPECT_EQ(s.at(5, 10), kNormalAt10);
    mouse(*s.button, QEvent::MouseMove, Qt::NoButton, {10, 10}, Qt::LeftButton);
    EXPECT_EQ(s.at(5, 10), kPressedAt10);
    mouse(*s.button, QEvent::MouseButtonRelease, Qt::LeftButton, {200, 10});
    EXPECT_EQ(click.count(), 1);
}

TEST(ButtonEvents, RightButtonNeverShowsPressedNorClicks) {
    Shown s;
    QSignalSpy click(s.button, &BotonGradiente::Click);
    QSignalSpy down(s.button, &BotonGradiente::MouseDown);
    mouse(*s.button, QEvent::MouseButtonPress, Qt::RightButton);
    EXPECT_EQ(s.at(5, 10), kNormalAt10);
    mouse(*s.button, QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(s.at(5, 10), kNormalAt10);
    EXPECT_EQ(click.count(), 0);
    EXPECT_EQ(down.count(), 1); // the event itself is still raised
    // The middle button shows pressed but does not click either.
    mouse(*s.button, QEvent::MouseButtonPress, Qt::MiddleButton);
    EXPECT_EQ(s.at(5, 10), kPressedAt10);
    mouse(*s.button, QEvent::MouseButtonRelease, Qt::MiddleButton);
    EXPECT_EQ(click.count(), 0);
}

TEST(ButtonEvents, DoubleClickIsOneClickAndDisabledNeverClicks) {
    Shown s;
    QSignalSpy click(s.button, &BotonGradiente::Click);
    mouse(*s.button, QEvent::MouseButtonPress, Qt::LeftButton);
    mouse(*s.button, QEvent::MouseButtonRelease, Qt::LeftButton);
    mouse(*s.button, QEvent::MouseButtonDblClick, Qt::LeftButton);
    EXPECT_EQ(s.at(5, 10), kPressedAt10);
    mouse(*s.button, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(click.count(), 1);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    s.button->setEnabled(false);
    s.button->click();
    mouse(*s.button, QEvent::MouseButtonPress, Qt::LeftButton);
    mouse(*s.button, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(click.count(), 1);
}

TEST(ButtonEvents, HeldSpaceShowsPressedAndOneReleaseClicksOnce) {
    Shown s;
    QSignalSpy click(s.button, &BotonGradiente::Click);
    QSignalSpy keyUp(s.button, &BotonGradiente::KeyUp);
    QSignalSpy keyPress(s.button, &BotonGradiente::KeyPress);
    key(*s.button, QEvent::KeyPress, Qt::Key_Space);
    EXPECT_EQ(s.at(5, 10), kPressedAt10);
    // The window system's auto-repeat: release and press pairs while held.
    for (int i = 0; i < 5; ++i) {
        key(*s.button, QEvent::KeyRelease, Qt::Key_Space, true);
        key(*s.button, QEvent::KeyPress, Qt::Key_Space, true);
    }
    EXPECT_EQ(s.at(5, 10), kPressedAt10);
    EXPECT_EQ(click.count(), 0);
    key(*s.button, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(click.count(), 1);
    EXPECT_EQ(keyUp.count(), 1);
    EXPECT_EQ(keyPress.count(), 6);
    EXPECT_EQ(keyPress.at(0).at(0).toInt(), 32);
    EXPECT_EQ(s.at(5, 10), kNormalAt10);

    // A space released after another key was pressed does not click.
    key(*s.button, QEvent::KeyPress, Qt::Key_Space);
    key(*s.button, QEvent::KeyPress, Qt::Key_A);
    key(*s.button, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(click.count(), 1);
}

TEST(ButtonEvents, ArrowsMoveTheFocusAndTheAccessKeyClicks) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new BotonGradiente(QStringLiteral("&Uno"), &window);
    auto* second = new BotonGradiente(QStringLiteral("&Dos"), &window);
    auto* third = new BotonGradiente(QStringLiteral("&Tres"), &window);
    for (auto* b : {first, second, third})
        layout->addWidget(b);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    second->setFocus();
    QTest::keyClick(second, Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), third);
    QTest::keyClick(third, Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), second);
    QTest::keyClick(second, Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), first);
    QTest::keyClick(first, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), second);

    QSignalSpy click(third, &BotonGradiente::Click);
    QSignalSpy other(first, &BotonGradiente::Click);
    QTest::keyClick(&window, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(click.count(), 1);
    EXPECT_EQ(other.count(), 0);
}

TEST(ButtonEvents, CheckBoxBehaviourTogglesAndStaysPressedWhileSet) {
    Shown s;
    s.button->setCheckBoxBehaviour(true);
    QSignalSpy click(s.button, &BotonGradiente::Click);
    mouse(*s.button, QEvent::MouseButtonPress, Qt::LeftButton);
    mouse(*s.button, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_TRUE(s.button->value());
    EXPECT_EQ(s.at(5, 10), kPressedAt10);
    // Moving over it or losing the focus does not lift it.
    mouse(*s.button, QEvent::MouseMove, Qt::NoButton, {200, 10});
    EXPECT_EQ(s.at(5, 10), kPressedAt10);
    key(*s.button, QEvent::KeyPress, Qt::Key_Space);
    key(*s.button, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_FALSE(s.button->value());
    EXPECT_EQ(s.at(5, 10), kNormalAt10);
    s.button->click(); // a click from the program toggles the same way
    EXPECT_TRUE(s.button->value());
    EXPECT_EQ(click.count(), 3);
}

TEST(ButtonEvents, HoverEndsWithinATickAfterThePointerLeaves) {
    Shown s;
    QPoint pointer = s.button->mapToGlobal(QPoint(10, 10));
    s.button->setPointerSource([&pointer] { return pointer; });
    QSignalSpy over(s.button, &BotonGradiente::MouseOver);
    QSignalSpy out(s.button, &BotonGradiente::MouseOut);
    mouse(*s.button, QEvent::MouseMove, Qt::NoButton, {10, 10});
    mouse(*s.button, QEvent::MouseMove, Qt::NoButton, {20, 12});
    EXPECT_EQ(over.count(), 1);
    EXPECT_EQ(s.at(10, 22), argb(0x0031B2FF));
    // Still inside: the timer keeps the hover.
    QTest::qWait(30);
    EXPECT_TRUE(s.button->mouseOver());
    EXPECT_EQ(out.count(), 0);
    // Off the button (into a cut corner counts as off).
    pointer = s.button->mapToGlobal(QPoint(0, 0));
    QTRY_COMPARE_WITH_TIMEOUT(out.count(), 1, 2000);
    EXPECT_FALSE(s.button->mouseOver());
    EXPECT_EQ(s.at(10, 23), argb(shifted(kBase, -48)));
    QTest::qWait(30);
    EXPECT_EQ(out.count(), 1);
    EXPECT_EQ(BotonGradiente::kOverTimerMs, 3);
}

TEST(ButtonEvents, SchemeTwoDrawsTheBackOverColourWhileHovered) {
    Shown s;
    s.button->setColorScheme(vs::controls::BotonGradiente::SchemeCustom);
    s.button->setBackColor(vs::controls::rgb(20, 40, 60));
    s.button->setBackOver(vs::controls::rgb(100, 100, 100));
    EXPECT_EQ(s.at(5, 10), argb(shifted(shifted(vs::controls::rgb(20, 40, 60), 48), -10)));
    s.button->setPointerSource([&s] { return s.button->mapToGlobal(QPoint(10, 10)); });
    mouse(*s.button, QEvent::MouseMove, Qt::NoButton, {10, 10});
    EXPECT_EQ(s.at(5, 10), argb(shifted(shifted(vs::controls::rgb(100, 100, 100), 48), -10)));
}

TEST(ButtonEvents, PropertyBagRoundTripAndReadDefaults) {
    Shown s(QStringLiteral("Aceptar"));
    s.button->setCheckBoxBehaviour(true);
    s.button->setValue(true);
    s.button->setSoftBevel(true);
    vs::controls::PropertyBag bag;
    s.button->WriteProperties(bag);
    EXPECT_EQ(bag.value("BTYPE").toInt(), 3);
    EXPECT_EQ(bag.value("BCOL").toUInt(), 0x00D8E9ECu);
    EXPECT_EQ(bag.value("FCOL").toUInt(), 0u);
    EXPECT_EQ(bag.value("TX").toString(), "Aceptar");

    BotonGradiente copy;
    copy.ReadProperties(bag);
    EXPECT_EQ(copy.Caption(), "Aceptar");
    EXPECT_TRUE(copy.value());
    EXPECT_TRUE(copy.SoftBevel());
    EXPECT_EQ(copy.ButtonType(), 3);

    // Missing keys take the read defaults; the back-over and fore-over follow
    // the back and fore colours that were read.
    BotonGradiente fresh;
    fresh.ReadProperties({{"BCOL", 0x00112233u}, {"FCOL", 0x00445566u}});
    EXPECT_EQ(fresh.ButtonType(), 2);
    EXPECT_EQ(fresh.Caption(), "");
    EXPECT_EQ(fresh.BackOver(), 0x00112233u);
    EXPECT_EQ(fresh.ForeOver(), 0x00445566u);
    EXPECT_EQ(fresh.MaskColor(), 0x00C0C0C0u);
    EXPECT_TRUE(fresh.ShowFocusRect());
    EXPECT_TRUE(fresh.UseMaskColor());
    EXPECT_FALSE(fresh.CheckBoxBehaviour());
    EXPECT_EQ(fresh.ColorScheme(), 1);
    EXPECT_EQ(BotonGradiente::Version(), "1.0.0");
    EXPECT_EQ(fresh.property("Version").toString(), "1.0.0");
}

TEST(ButtonEvents, DisableRefreshHoldsThePictureUntilRefresh) {
    Shown s;
    s.button->DisableRefresh();
    mouse(*s.button, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(s.at(5, 10), kNormalAt10);
    s.button->Refresh();
    mouse(*s.button, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(s.at(5, 10), kPressedAt10);
}
