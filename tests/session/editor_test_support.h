// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the curve editor tests: a scripted random source and a
// check that the strip cells still follow the beat points.
#include "scripted_random.h"
#include "session/curve_editor.h"

#include <gtest/gtest.h>

#include <vector>

namespace vs::session::test {

// Random value that draws sequence r (1..7).
inline double valueFor(int r) {
    return (r - 1) / 6.0;
}

// Every visible cell spans its two points' centres, the rest are hidden, and
// the points are in order.
inline void expectCellsFollowPoints(const SessionModel& m) {
    const float k = m.MedioPunto;
    for (int i = 1; i < m.NumPuntos; ++i) {
        SCOPED_TRACE("cell " + std::to_string(i));
        EXPECT_TRUE(m.pG[i].Visible);
        EXPECT_FLOAT_EQ(m.pG[i].Left, m.Punto[i].Left + k);
        EXPECT_FLOAT_EQ(m.pG[i].Width, m.Punto[i + 1].Left - m.Punto[i].Left);
        EXPECT_GT(m.pG[i].Width, 0);
        EXPECT_GE(m.cellSequence(i), 1);
    }
    for (int i = m.NumPuntos; i <= kMaxCells; ++i)
        EXPECT_FALSE(m.pG[i].Visible) << "cell " << i;
    for (int i = 1; i <= kMaxPuntos; ++i)
        EXPECT_EQ(m.Punto[i].Visible, i <= m.NumPuntos);
    for (int i = 1; i <= kMaxPuntos; ++i)
        EXPECT_EQ(m.PuntoFR[i].Visible, i <= m.NumPuntosFR);
}

} // namespace vs::session::test
