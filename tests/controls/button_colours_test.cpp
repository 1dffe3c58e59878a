// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/button_colours.h"

#include <gtest/gtest.h>

using namespace vs::controls;

TEST(ButtonColours, ShiftCapsEachChannelInTheDirectionOfTheShift) {
    EXPECT_EQ(Shift(0x00FFFFFF, 1, false, false), 0x00FFFFFFu);
    EXPECT_EQ(Shift(0x00000000, -1, false, false), 0x00000000u);
    EXPECT_EQ(Shift(0x00F0F0F0, 48, true, false), 0x00FFFFFFu);
    EXPECT_EQ(Shift(0x00102030, -64, false, false), 0x00000000u);
    EXPECT_EQ(Shift(0x00102030, 0, true, false), 0x00102030u);
    // Channels move independently: red capped, green and blue not.
    EXPECT_EQ(Shift(rgb(250, 10, 20), 10, false, false), rgb(255, 20, 30));
    // The top byte of the colour never leaks into the result.
    EXPECT_EQ(Shift(0xFF102030, 0, false, false), 0x00102030u);
}

TEST(ButtonColours, ProportionalBlueTruncatesTowardZero) {
    EXPECT_EQ(blue(Shift(rgb(0, 0, 192), 48, true, false)), 240);
    // 100 * -32 / 192 = -16.67: truncated to -16, not floored to -17.
    EXPECT_EQ(blue(Shift(rgb(0, 0, 100), -32, true, false)), 84);
    EXPECT_EQ(blue(Shift(rgb(0, 0, 100), 25, true, false)), 113);  // 13.02 -> 13
    EXPECT_EQ(blue(Shift(rgb(0, 0, 0), 48, true, false)), 0);      // no blue to scale
    EXPECT_EQ(red(Shift(rgb(100, 0, 100), -32, true, false)), 68); // red moves plainly
}

TEST(ButtonColours, SoftBevelHalvesTheAmountTowardZero) {
    EXPECT_EQ(Shift(rgb(100, 100, 100), -5, false, true), rgb(98, 98, 98));
    EXPECT_EQ(Shift(rgb(100, 100, 100), 5, false, true), rgb(102, 102, 102));
    EXPECT_EQ(Shift(rgb(100, 100, 100), 1, false, true), rgb(100, 100, 100));
    EXPECT_EQ(Shift(rgb(100, 100, 192), 48, true, true), rgb(124, 124, 216));
}

TEST(ButtonColours, LightenBlendsTowardWhiteAndStaysInRange) {
    EXPECT_EQ(Lighten(rgb(10, 128, 250), 0), rgb(10, 128, 250));
    EXPECT_EQ(Lighten(rgb(10, 128, 250), 255), rgb(255, 255, 255));
    EXPECT_EQ(Lighten(rgb(0, 255, 100), 128), rgb(128, 255, 177)); // 100*127/255=49
    EXPECT_EQ(Lighten(rgb(0, 255, 100), 400), rgb(255, 255, 255));
    // A negative amount darkens; no channel goes below zero into its neighbour.
    EXPECT_EQ(Lighten(rgb(0, 255, 100), -10), rgb(0, 255, 93));
}

TEST(ButtonColours, SchemesGiveTheirColoursAndTheGradientBase) {
    SchemeInput in;
    in.system[kColorBtnFace] = rgb(120, 100, 160);
    in.system[kColorBtnText] = rgb(1, 2, 3);
    in.scheme = 1;
    ColourSet s = SetColors(in);
    EXPECT_EQ(s.back, rgb(120, 100, 160));
    EXPECT_EQ(s.fore, rgb(1, 2, 3));
    EXPECT_EQ(s.base, rgb(168, 148, 200)); // blue 160 + 160*48/192
    in.buttonType = 2;                     // other looks shift blue plainly
    EXPECT_EQ(SetColors(in).base, rgb(168, 148, 208));

    in.buttonType = 3;
    in.scheme = 2;
    in.backColor = kSystemColourFlag | kColorBtnFace;
    in.backOver = rgb(10, 20, 30);
    in.foreColor = 0x00123456;
    s = SetColors(in);
    EXPECT_EQ(s.back, rgb(120, 100, 160));
    EXPECT_EQ(s.backOver, rgb(10, 20, 30));
    EXPECT_EQ(s.fore, 0x00123456u);
    EXPECT_EQ(s.shadow, rgb(56, 36, 96));
    EXPECT_EQ(s.darkShadow, 0u);

    in.scheme = 3;
    s = SetColors(in);
    EXPECT_EQ(s.back, 0x00C0C0C0u);
    EXPECT_EQ(s.shadow, 0x00808080u);
    EXPECT_EQ(s.light, 0x00DFDFDFu);
    EXPECT_EQ(s.fore, 0u);

    in.scheme = 4;
    in.parentBack = rgb(200, 0, 0);
    in.parentText = rgb(0, 0, 200);
    s = SetColors(in);
    EXPECT_EQ(s.back, rgb(200, 0, 0));
    EXPECT_EQ(s.foreOver, rgb(0, 0, 200));
    EXPECT_EQ(s.mask, 0x00C0C0C0u);
}
