// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace vs::library {
namespace {

// 0x80..0x9F as the code page defines them, the undefined five as the C1
// controls of the same number.
const std::string kHighRange = "€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F"
                               "\u0090‘’“”•–—˜™š›œ\u009DžŸ";

std::string allBytes(int from, int to) {
    std::string s;
    for (int b = from; b <= to; ++b)
        s.push_back(static_cast<char>(b));
    return s;
}

TEST(Cp1252, HighRangeDecodesToItsCharacters) {
    EXPECT_EQ(cp1252ToUtf8(allBytes(0x80, 0x9F)), kHighRange);
    EXPECT_EQ(utf8ToCp1252(kHighRange), allBytes(0x80, 0x9F));
}

TEST(Cp1252, LatinRangeIsItsOwnCodePoint) {
    EXPECT_EQ(cp1252ToUtf8("Relajaci\xF3n Sue\xF1o \xC1\xE9\xED\xFA\xFC\xBF\xA1"),
              "Relajación Sueño Áéíúü¿¡");
    EXPECT_EQ(cp1252ToUtf8("\xA0\xFF"), "\u00A0ÿ");
    EXPECT_EQ(cp1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    const std::string bytes = allBytes(0, 255);
    const std::string text = cp1252ToUtf8(bytes);
    EXPECT_EQ(utf8ToCp1252(text), bytes);
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(one)), one) << "byte " << b;
    }
}

TEST(Cp1252, CharactersOutsideTheCodePageAreRefused) {
    EXPECT_FALSE(utf8ToCp1252("日本.vso"));
    EXPECT_FALSE(utf8ToCp1252("Ωμέγα"));
    EXPECT_FALSE(utf8ToCp1252("\u0080"));     // a C1 control the code page puts € on
    EXPECT_FALSE(utf8ToCp1252("\u0100"));     // just past Latin-1
    EXPECT_FALSE(utf8ToCp1252("🎵"));          // four-byte form
    EXPECT_FALSE(utf8ToCp1252("abc€\u2028")); // refused even after good text
}

TEST(Cp1252, InvalidUtf8IsRefused) {
    for (const char* bad : {
             "\x80",             // continuation without a lead
             "\xC3",             // truncated at the end
             "a\xE2\x82",        // truncated three-byte form
             "\xC3(",            // lead followed by a non-continuation
             "\xC0\xAF",         // overlong '/'
             "\xE0\x80\xAF",     // overlong '/' in three bytes
             "\xED\xA0\x80",     // a surrogate
             "\xF4\x90\x80\x80", // past U+10FFFF
             "\xF8\x88\x80\x80\x80",
             "\xFF",
             "\xFE",
         })
        EXPECT_FALSE(utf8ToCp1252(bad)) << bad;
}

} // namespace
} // namespace vs::library
