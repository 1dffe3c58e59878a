// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/numeric.h"

#include <gtest/gtest.h>

TEST(Numeric, RoundsHalvesToEven) {
    EXPECT_EQ(vs::roundHalfEven(0.5), 0);
    EXPECT_EQ(vs::roundHalfEven(1.5), 2);
    EXPECT_EQ(vs::roundHalfEven(2.5), 2);
    EXPECT_EQ(vs::roundHalfEven(-0.5), 0);
    EXPECT_EQ(vs::roundHalfEven(-1.5), -2);
    EXPECT_EQ(vs::roundHalfEven(-2.5), -2);
    EXPECT_EQ(vs::roundHalfEven(142.857), 143);
    EXPECT_EQ(vs::toInt32(5.5), 6);
    EXPECT_EQ(vs::toInt32(4.5), 4);
    EXPECT_EQ(vs::toInt32(1e12), 2147483647);
    EXPECT_EQ(vs::toInt16(-1e9), -32768);
}

TEST(Numeric, FixedFormatUsesPointAndHalfEven) {
    EXPECT_EQ(vs::formatFixed(7.2126, 1), "7.2");
    EXPECT_EQ(vs::formatFixed(0.25, 1), "0.2");
    EXPECT_EQ(vs::formatFixed(0.35, 1), "0.4");
    EXPECT_EQ(vs::formatFixed(188.5, 0), "188");
    EXPECT_EQ(vs::formatFixed(189.5, 0), "190");
    EXPECT_EQ(vs::formatFixed(-0.01, 1), "0.0");
    EXPECT_EQ(vs::formatFixed(15, 1), "15.0");
}

TEST(Numeric, ParsesBothDecimalSeparatorsAndRejectsJunk) {
    double v = 0;
    EXPECT_TRUE(vs::parseNumber(" 1087,5 ", v));
    EXPECT_DOUBLE_EQ(v, 1087.5);
    EXPECT_TRUE(vs::parseNumber("-3.25", v));
    EXPECT_DOUBLE_EQ(v, -3.25);
    EXPECT_TRUE(vs::parseNumber("+12", v));
    EXPECT_DOUBLE_EQ(v, 12);
    EXPECT_TRUE(vs::parseNumber("1.5E+07", v));
    EXPECT_DOUBLE_EQ(v, 1.5e7);
    for (const char* bad :
         {"", "  ", "abc", "12a", "1.2.3", "1,2.3", "--1", "1e999", "nan", "0x10"})
        EXPECT_FALSE(vs::parseNumber(bad, v)) << bad;
}
