// SPDX-License-Identifier: GPL-3.0-or-later
#include "glasses/flash_risk.h"

#include <gtest/gtest.h>

using vs::glasses::pasaPorRiesgo;
using vs::glasses::segmentosDeRiesgo;

TEST(FlashRisk, ASegmentIsMarkedWhenItsBeatTouchesFifteenToTwentyHz) {
    EXPECT_TRUE(pasaPorRiesgo(17, 17));   // inside
    EXPECT_TRUE(pasaPorRiesgo(10, 25));   // sweeps across the whole band
    EXPECT_TRUE(pasaPorRiesgo(25, 10));   // either direction
    EXPECT_TRUE(pasaPorRiesgo(12, 15));   // ends on the lower edge
    EXPECT_TRUE(pasaPorRiesgo(20, 28));   // starts on the upper edge
    EXPECT_FALSE(pasaPorRiesgo(4, 14.9)); // below
    EXPECT_FALSE(pasaPorRiesgo(20.1, 30));
    EXPECT_EQ(segmentosDeRiesgo({{10, 8}, {8, 16}, {16, 22}, {22, 25}}), (std::vector<int>{2, 3}));
    EXPECT_TRUE(segmentosDeRiesgo({}).empty());
}
