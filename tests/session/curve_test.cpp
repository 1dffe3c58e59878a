// SPDX-License-Identifier: GPL-3.0-or-later
// The curve type on its own, and the model's two curves seen through the
// names the rest of the program uses.
#include "session/curve.h"
#include "session/session_model.h"

#include <gtest/gtest.h>

#include <memory>

namespace vs::session {
namespace {

Curve threePoints() {
    Curve c;
    c.setFlat(6000, 100);
    EXPECT_TRUE(c.insert(2, 3000, 500));
    return c;
}

TEST(Curve, InsertShiftsLaterPointsAndShowsTheNewLastMarker) {
    Curve c = threePoints();
    ASSERT_TRUE(c.insert(2, 1000, 700));
    EXPECT_EQ(c.count(), 4);
    EXPECT_FLOAT_EQ(c[1].Left, 0);
    EXPECT_FLOAT_EQ(c[2].Left, 1000);
    EXPECT_FLOAT_EQ(c[2].Top, 700);
    EXPECT_FLOAT_EQ(c[3].Left, 3000);
    EXPECT_FLOAT_EQ(c[3].Top, 500);
    EXPECT_FLOAT_EQ(c[4].Left, 6000);
    for (int i = 1; i <= kMaxPuntos; ++i)
        EXPECT_EQ(c[i].Visible, i <= 4) << i;
}

TEST(Curve, InsertIsRefusedOutsideTheEndsAndWhenFull) {
    Curve c = threePoints();
    EXPECT_FALSE(c.insert(1, 10, 10)); // before the first point
    EXPECT_FALSE(c.insert(4, 10, 10)); // after the last point
    EXPECT_EQ(c.count(), 3);
    while (c.count() < kMaxPuntos)
        ASSERT_TRUE(c.insert(2, 1, 1));
    EXPECT_FALSE(c.insert(2, 1, 1));
    EXPECT_EQ(c.count(), kMaxPuntos);
}

TEST(Curve, RemoveTakesOnlyMiddlePoints) {
    Curve c = threePoints();
    EXPECT_FALSE(c.remove(1));
    EXPECT_FALSE(c.remove(3));
    ASSERT_TRUE(c.remove(2));
    EXPECT_EQ(c.count(), 2);
    EXPECT_FLOAT_EQ(c[2].Left, 6000);
    EXPECT_FLOAT_EQ(c[2].Top, 100);
    EXPECT_TRUE(c[2].Visible);
    EXPECT_FALSE(c[3].Visible);
    EXPECT_FALSE(c.remove(2)); // now the last point
}

TEST(Curve, EndPointsMoveOnlyUpAndDown) {
    Curve c = threePoints();
    c.moveBy(1, 50, 20);
    c.moveBy(2, 50, 20);
    c.moveBy(3, 50, 20);
    c.moveBy(4, 50, 20); // beyond the curve: ignored
    EXPECT_FLOAT_EQ(c[1].Left, 0);
    EXPECT_FLOAT_EQ(c[1].Top, 120);
    EXPECT_FLOAT_EQ(c[2].Left, 3050);
    EXPECT_FLOAT_EQ(c[2].Top, 520);
    EXPECT_FLOAT_EQ(c[3].Left, 6000);
    EXPECT_FLOAT_EQ(c[3].Top, 120);
    EXPECT_FLOAT_EQ(c[4].Top, 0);
}

TEST(Curve, CountNeverLeadsPastTheMarkers) {
    Curve c;
    c.setCount(kMaxPuntos + 5);
    EXPECT_EQ(c.count(), kMaxPuntos);
    c.setCount(-3);
    EXPECT_EQ(c.count(), 0);
    EXPECT_EQ(c.valueAt(
                  5, [](float l) { return double(l); }, [](float t) { return double(t); }),
              0);
}

TEST(Curve, ValueAtHoldsTheEndsAndIsFlatWhereTwoPointsShareATime) {
    Curve c = threePoints(); // (0, 100) (3000, 500) (6000, 100)
    ASSERT_TRUE(c.insert(3, 3000, 900));
    auto at = [&](double t) {
        return c.valueAt(
            t, [](float l) { return double(l); }, [](float top) { return double(top); });
    };
    EXPECT_DOUBLE_EQ(at(-10), 100);
    EXPECT_DOUBLE_EQ(at(1500), 300);
    EXPECT_DOUBLE_EQ(at(3000), 500); // the first of the two points at one time
    EXPECT_DOUBLE_EQ(at(4500), 500);
    EXPECT_DOUBLE_EQ(at(7000), 100);
}

TEST(SessionModelCurves, CountsAreTheCurvesOwnAndFollowACopy) {
    SessionModel a;
    a.NumPuntos = 5;
    EXPECT_EQ(a.Punto.count(), 5);
    EXPECT_EQ(a.NumPuntosFR, 2);

    SessionModel b = a;
    b.NumPuntos = 3;
    EXPECT_EQ(a.NumPuntos, 5); // the copy's count is its own
    EXPECT_EQ(b.NumPuntos, 3);
    EXPECT_EQ(b.Punto.count(), 3);
    a = b;
    EXPECT_EQ(a.NumPuntos, 3);
    b.NumPuntos = 4;
    EXPECT_EQ(a.NumPuntos, 3);
}

TEST(SessionModelListeners, AHandleKeepsItsListenerAndMayOutliveTheModel) {
    int calls = 0;
    auto model = std::make_unique<SessionModel>();
    ListenerHandle h = model->addListener([&] { ++calls; });
    model->notify();
    EXPECT_EQ(calls, 1);

    SessionModel copy = *model; // a copy does not take the listeners along
    copy.notify();
    EXPECT_EQ(calls, 1);

    ListenerHandle moved = std::move(h);
    model->notify();
    EXPECT_EQ(calls, 2);
    moved.reset();
    model->notify();
    EXPECT_EQ(calls, 2);

    ListenerHandle late = model->addListener([&] { ++calls; });
    model.reset();
    late.reset(); // the model is gone: nothing to remove, nothing touched
    EXPECT_EQ(calls, 2);
}

} // namespace
} // namespace vs::session
