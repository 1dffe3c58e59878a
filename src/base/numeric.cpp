// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace vs {

double roundHalfEven(double v) {
    if (!std::isfinite(v)) return v;
    double f = std::floor(v);
    double diff = v - f;
    if (diff > 0.5) return f + 1.0;
    if (diff < 0.5) return f;
    return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

template <typename T> static T saturate(double v) {
    double r = roundHalfEven(v);
    if (std::isnan(r)) return 0;
    if (r <= static_cast<double>(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (r >= static_cast<double>(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return static_cast<T>(r);
}

std::int32_t toInt32(double v) {
    return saturate<std::int32_t>(v);
}
std::int16_t toInt16(double v) {
    return saturate<std::int16_t>(v);
}

std::string formatFixed(double v, int decimals) {
    double scale = std::pow(10.0, decimals);
    // Round on the decimal value first so that 5.25 -> "5.2" like the picture format.
    double scaled = roundHalfEven(v * scale);
    if (scaled == 0.0) scaled = 0.0; // no "-0.0"
    char buf[64];
    auto res =
        std::to_chars(buf, buf + sizeof buf, scaled / scale, std::chars_format::fixed, decimals);
    return std::string(buf, res.ptr);
}

std::string trim(const std::string& s) {
    const char* ws = " \t\r\n";
    auto b = s.find_first_not_of(ws);
    if (b == std::string::npos) return {};
    auto e = s.find_last_not_of(ws);
    return s.substr(b, e - b + 1);
}

bool parseNumber(const std::string& text, double& out) {
    std::string t = trim(text);
    if (t.empty()) return false;
    int separators = 0;
    for (char& c : t) {
        if (c == ',') c = '.';
        if (c == '.') ++separators;
        bool ok =
            (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E';
        if (!ok) return false;
    }
    if (separators > 1) return false;
    // from_chars ignores the C locale, which Qt sets from the environment.
    const char* begin = t.c_str();
    const char* last = begin + t.size();
    if (*begin == '+') ++begin;
    double v = 0;
    auto [ptr, ec] = std::from_chars(begin, last, v, std::chars_format::general);
    if (ec != std::errc() || ptr != last || !std::isfinite(v)) return false;
    out = v;
    return true;
}

} // namespace vs
