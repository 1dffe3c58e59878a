// SPDX-License-Identifier: GPL-3.0-or-later
// Band lines, band names, axis values and the fixed tick layout.
#include "session/graph_grid.h"
#include "session/session_model.h"

#include <gtest/gtest.h>

namespace vs::session {
namespace {

// y of a beat frequency at the start-up size: (H - k) - (H - 2k) f / B.
float expectedY(double hz, double B) {
    return static_cast<float>(2135 - 2095 * hz / B);
}

TEST(GraphGrid, BandLinesStandAtTheBandLimitsOfTheBeatAxis) {
    SessionModel m;
    Grid g = DibujarGrid(m, true, true);
    EXPECT_FLOAT_EQ(g.yTheta, expectedY(3.5, 15));
    EXPECT_FLOAT_EQ(g.yAlfa, expectedY(7, 15));
    EXPECT_FLOAT_EQ(g.yBeta, expectedY(13, 15));
    EXPECT_FLOAT_EQ(yOfBinaural(m, 0), m.H - m.MedioPunto);
    EXPECT_FLOAT_EQ(yOfBinaural(m, 15), m.MedioPunto);
    // The bands are ordered top to bottom: Beta, Alfa, Theta, Delta.
    EXPECT_LT(g.yBeta, g.yAlfa);
    EXPECT_LT(g.yAlfa, g.yTheta);

    m.FrecBinauralMax = 30;
    g = DibujarGrid(m, true, true);
    EXPECT_FLOAT_EQ(g.yBeta, expectedY(13, 30));
}

TEST(GraphGrid, VerticalLinesCutTheTimeAxisInFifths) {
    SessionModel m;
    Grid g = DibujarGrid(m, true, true);
    for (int j = 0; j < 4; ++j)
        EXPECT_FLOAT_EQ(g.xVertical[j], 40 + 1200.0f * (j + 1)) << j;
}

TEST(GraphGrid, BandNamesAreCentredInTheirBands) {
    SessionModel m;
    const float h = 195;
    Grid g = DibujarGrid(m, true, true, h);
    EXPECT_FLOAT_EQ(g.nameTop[0] + h / 2, (g.yTheta + m.H) / 2);
    EXPECT_FLOAT_EQ(g.nameTop[1] + h / 2, (g.yAlfa + g.yTheta) / 2);
    EXPECT_FLOAT_EQ(g.nameTop[2] + h / 2, (g.yBeta + g.yAlfa) / 2);
    EXPECT_FLOAT_EQ(g.nameTop[3] + h / 2, g.yBeta / 2); // between the top and 13 Hz
}

TEST(GraphGrid, AxisValuesFollowTheMaxima) {
    SessionModel m;
    Grid g = DibujarGrid(m, true, true);
    EXPECT_EQ(g.binaural, (std::array<std::string, 4>{"0.0", "5.0", "10.0", "15.0"}));
    EXPECT_EQ(g.base, (std::array<std::string, 5>{"100", "200", "300", "400", "500"}));

    m.FrecBaseMax = 1000;
    m.FrecBinauralMax = 20;
    g = DibujarGrid(m, true, true);
    EXPECT_EQ(g.base, (std::array<std::string, 5>{"600", "700", "800", "900", "1000"}));
    EXPECT_EQ(g.binaural, (std::array<std::string, 4>{"0.0", "6.7", "13.3", "20.0"}));
}

TEST(GraphGrid, LowBeatMaximumPushesLinesAboveTheTopWithoutHidingThem) {
    SessionModel m;
    m.FrecBinauralMax = 12;
    Grid g = DibujarGrid(m, true, true);
    EXPECT_LT(g.yBeta, 0);
    EXPECT_GT(g.yAlfa, 0);
    EXPECT_TRUE(g.linesVisible);
    m.FrecBinauralMax = 6;
    g = DibujarGrid(m, true, true);
    EXPECT_LT(g.yAlfa, 0);
    EXPECT_GT(g.yTheta, 0);
}

TEST(GraphGrid, SettingsSwitchLinesAndNamesSeparately) {
    SessionModel m;
    Grid g = DibujarGrid(m, false, true);
    EXPECT_FALSE(g.linesVisible);
    EXPECT_TRUE(g.namesVisible);
    EXPECT_EQ(g.binaural[3], "15.0"); // values are written either way
    g = DibujarGrid(m, true, false);
    EXPECT_TRUE(g.linesVisible);
    EXPECT_FALSE(g.namesVisible);
}

TEST(GraphLayoutTest, TicksSpanFromFirstToLastPointCentre) {
    GraphLayout l = layoutGraph(720, 480, 6080, 2175, 40, 195, 720);
    EXPECT_FLOAT_EQ(l.lineT[0], 760);
    EXPECT_NEAR(l.lineT[5], 760 + 1200, 1e-3);
    EXPECT_NEAR(l.lineT[25], 6760, 1e-2);
    // 0 Hz at the bottom tick, the maximum at the top one.
    EXPECT_FLOAT_EQ(l.lineF[0], 480 + 2175 - 40);
    EXPECT_NEAR(l.lineF[9], 480 + 40, 1e-2);
    // Beat labels on every third tick, base labels on the odd ticks.
    EXPECT_FLOAT_EQ(l.binauralTop[1], l.lineF[3] - 65);
    EXPECT_FLOAT_EQ(l.baseTop[4], l.lineF[9] - 65);
    EXPECT_FLOAT_EQ(l.baseTop[0], l.lineF[1] - 65);
    EXPECT_FLOAT_EQ(l.lblTLeft[2], l.lineT[10] - 360);
    EXPECT_FLOAT_EQ(l.lblTiempoLeft, l.lineT[25] - 360);
}

} // namespace
} // namespace vs::session
