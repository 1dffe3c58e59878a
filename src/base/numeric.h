// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Number conventions shared by every subsystem: whole-number conversions round
// half to even; "Int" in formulas rounds towards minus infinity.
#include <cstdint>
#include <string>

namespace vs {

// Rounds to the nearest integer, halves to even (banker's rounding).
double roundHalfEven(double v);
std::int32_t toInt32(double v); // roundHalfEven, saturated to the 32-bit range
std::int16_t toInt16(double v); // roundHalfEven, saturated to the 16-bit range

// Formats like the picture "0.0" / "0": fixed decimals, halves to even, '.' separator.
std::string formatFixed(double v, int decimals);

// Parses a decimal number written by a person or by the session writer:
// surrounding blanks ignored, '.' or ',' as decimal separator, optional sign
// and exponent. Returns false for anything else (empty, letters, trailing junk).
bool parseNumber(const std::string& text, double& out);

std::string trim(const std::string& s);

} // namespace vs
