// SPDX-License-Identifier: GPL-3.0-or-later
// Real ticks on the test's event loop. Counts are checked with wide margins
// only where a tick must or must not happen; no timing is asserted.
#include "tickora.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {

constexpr std::int32_t kAccessCode = 0x5A17C3E4;

// Lets queued ticks through without waiting for new ones.
void drain() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// Blocks the UI thread, as a slow handler would.
void stall(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

TEST(Tickora, NewTimerIsIdleWithOneSecondInterval) {
    TickoraCls t;
    EXPECT_EQ(t.Interval(), 1000);
    EXPECT_FALSE(t.Enabled());
    EXPECT_EQ(t.WindowHandle(), 0u);
    EXPECT_EQ(t.TimerId(), 0u);
    EXPECT_EQ(t.property("Interval").toInt(), 1000);
    EXPECT_TRUE(t.setProperty("Interval", 25));
    EXPECT_EQ(t.Interval(), 25);
}

TEST(Tickora, TimerEventRaisesOnlyForTheAccessCode) {
    TickoraCls t;
    QSignalSpy spy(&t, &TickoraCls::Timer);
    for (std::int32_t code : {0, 1, -1, kAccessCode + 1, 0x5A17C3E5})
        t.Timer_Event(code);
    EXPECT_EQ(spy.count(), 0);
    std::int32_t code = kAccessCode;
    t.Timer_Event(code);
    EXPECT_EQ(spy.count(), 1);
}

TEST(Tickora, TicksArriveOnTheOwningThreadRepeatedly) {
    TickoraCls t;
    t.setInterval(10);
    QThread* seen = nullptr;
    int ticks = 0;
    QObject::connect(&t, &TickoraCls::Timer, [&] {
        seen = QThread::currentThread();
        ++ticks;
    });
    t.setEnabled(true);
    EXPECT_TRUE(t.Enabled());
    EXPECT_NE(t.WindowHandle(), 0u);
    EXPECT_NE(t.TimerId(), 0u);
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 5000);
    EXPECT_EQ(seen, QThread::currentThread());
}

TEST(Tickora, EnablingTwiceKeepsOneTimerAndOneDisableStopsIt) {
    TickoraCls t;
    t.setInterval(5);
    t.setEnabled(true);
    const auto handle = t.WindowHandle();
    const auto id = t.TimerId();
    t.setEnabled(true);
    EXPECT_EQ(t.WindowHandle(), handle);
    EXPECT_EQ(t.TimerId(), id);

    QSignalSpy spy(&t, &TickoraCls::Timer);
    ASSERT_TRUE(spy.wait(5000));
    t.setEnabled(false);
    EXPECT_EQ(t.WindowHandle(), 0u);
    EXPECT_EQ(t.TimerId(), 0u);
    const int before = spy.count();
    QTest::qWait(100); // a leaked second timer would keep ticking here
    EXPECT_EQ(spy.count(), before);

    t.setEnabled(false); // disabling a disabled timer does nothing
    EXPECT_FALSE(t.Enabled());
}

TEST(Tickora, IntervalRestartsARunningTimerOnlyWhenItChanges) {
    TickoraCls t;
    t.setInterval(50);
    t.setInterval(40); // disabled: stored only
    EXPECT_EQ(t.WindowHandle(), 0u);
    EXPECT_FALSE(t.Enabled());

    t.setEnabled(true);
    const auto id = t.TimerId();
    t.setInterval(40);
    EXPECT_EQ(t.TimerId(), id);
    t.setInterval(20);
    EXPECT_EQ(t.Interval(), 20);
    EXPECT_TRUE(t.Enabled());
    EXPECT_NE(t.TimerId(), id);
    EXPECT_NE(t.TimerId(), 0u);
    QSignalSpy spy(&t, &TickoraCls::Timer);
    EXPECT_TRUE(spy.wait(5000));
}

TEST(Tickora, TicksPostedBeforeADisableVanish) {
    TickoraCls t;
    t.setInterval(1);
    QSignalSpy spy(&t, &TickoraCls::Timer);
    t.setEnabled(true);
    stall(60); // ticks pile up in the queue meanwhile
    t.setEnabled(false);
    drain();
    QTest::qWait(20);
    EXPECT_EQ(spy.count(), 0);
}

TEST(Tickora, TicksQueueWhileTheUiThreadIsBusy) {
    TickoraCls t;
    t.setInterval(5);
    QSignalSpy spy(&t, &TickoraCls::Timer);
    t.setEnabled(true);
    stall(200);
    drain();
    // Some 40 ticks fell due during the stall; all are delivered, not merged.
    EXPECT_GE(spy.count(), 10);
}

TEST(Tickora, TwoTimersTickIndependently) {
    TickoraCls a, b;
    a.setInterval(7);
    b.setInterval(11);
    QSignalSpy spyA(&a, &TickoraCls::Timer);
    QSignalSpy spyB(&b, &TickoraCls::Timer);
    a.setEnabled(true);
    b.setEnabled(true);
    EXPECT_NE(a.WindowHandle(), b.WindowHandle());
    QTRY_VERIFY_WITH_TIMEOUT(spyA.count() >= 2 && spyB.count() >= 2, 5000);

    a.setEnabled(false);
    drain();
    const int aCount = spyA.count(), bCount = spyB.count();
    QTRY_VERIFY_WITH_TIMEOUT(spyB.count() >= bCount + 3, 5000);
    EXPECT_EQ(spyA.count(), aCount);
}

TEST(Tickora, DestroyingAnEnabledTimerStopsItsTicks) {
    int ticks = 0;
    QObject context;
    auto t = std::make_unique<TickoraCls>();
    t->setInterval(1);
    QObject::connect(t.get(), &TickoraCls::Timer, &context, [&] { ++ticks; });
    t->setEnabled(true);
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 1, 5000);
    stall(20); // leave ticks queued for the destroyed timer
    t.reset();
    const int after = ticks;
    QTest::qWait(50);
    EXPECT_EQ(ticks, after);
}

TEST(Tickora, HandlerMayDisableOrDeleteItsOwnTimer) {
    TickoraCls t;
    t.setInterval(1);
    int ticks = 0;
    QObject::connect(&t, &TickoraCls::Timer, [&] {
        ++ticks;
        t.setEnabled(false);
    });
    t.setEnabled(true);
    stall(20);
    QTRY_VERIFY_WITH_TIMEOUT(!t.Enabled(), 5000);
    QTest::qWait(30);
    EXPECT_EQ(ticks, 1); // the rest of the queued burst was dropped

    auto* owned = new TickoraCls;
    owned->setInterval(1);
    bool deleted = false;
    QObject::connect(owned, &TickoraCls::Timer, [&] {
        if (deleted) return;
        deleted = true;
        delete owned;
    });
    owned->setEnabled(true);
    stall(10);
    QTRY_VERIFY_WITH_TIMEOUT(deleted, 5000);
    QTest::qWait(30); // must not crash on the queued ticks
}

TEST(Tickora, HandlerMayRetuneItsTimer) {
    TickoraCls t;
    t.setInterval(3);
    int ticks = 0;
    QObject::connect(&t, &TickoraCls::Timer, [&] { t.setInterval(++ticks % 2 ? 4 : 3); });
    t.setEnabled(true);
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 6, 5000);
    EXPECT_TRUE(t.Enabled());
}

TEST(Tickora, NonPositiveIntervalGivesNoTicks) {
    TickoraCls t;
    t.setInterval(0);
    QSignalSpy spy(&t, &TickoraCls::Timer);
    t.setEnabled(true);
    EXPECT_TRUE(t.Enabled());
    EXPECT_EQ(t.TimerId(), 0u);
    QTest::qWait(30);
    EXPECT_EQ(spy.count(), 0);
    t.setInterval(5); // a usable value starts it
    EXPECT_NE(t.TimerId(), 0u);
    EXPECT_TRUE(spy.wait(5000));
}

} // namespace
