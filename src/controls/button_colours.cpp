// SPDX-License-Identifier: GPL-3.0-or-later
#include "button_colours.h"

#include <algorithm>

namespace vs::controls {

Colour Shift(Colour c, int amount, bool proportionalBlue, bool softBevel) {
    if (softBevel) amount /= 2;
    int r = red(c) + amount;
    int g = green(c) + amount;
    int b = proportionalBlue ? blue(c) + (blue(c) * amount) / 192 : blue(c) + amount;
    if (amount > 0) {
        r = std::min(r, 255);
        g = std::min(g, 255);
        b = std::min(b, 255);
    } else if (amount < 0) {
        r = std::max(r, 0);
        g = std::max(g, 0);
        b = std::max(b, 0);
    }
    return rgb(r, g, b);
}

Colour Lighten(Colour c, int v) {
    // A negative amount would push a dark channel below zero and into its
    // neighbour's bits: each channel stays within 0..255.
    auto one = [v](int ch) { return std::clamp(ch * (255 - v) / 255 + v, 0, 255); };
    return rgb(one(red(c)), one(green(c)), one(blue(c)));
}

Colour translateColour(Colour c, const SystemColours& system) {
    if (c & kSystemColourFlag) {
        const unsigned index = c & 0xFF;
        return index < system.size() ? system[index] & 0x00FFFFFF : 0;
    }
    return c & 0x00FFFFFF;
}

ColourSet SetColors(const SchemeInput& in) {
    ColourSet s;
    auto fromBack = [&in, &s] {
        s.shadow = Shift(s.back, -64, false, in.softBevel);
        s.light = Shift(s.back, 31, false, in.softBevel);
        s.highlight = Shift(s.back, 47, false, in.softBevel);
        s.darkShadow = Shift(s.back, -192, false, in.softBevel);
    };
    const SystemColours& sys = in.system;
    switch (in.scheme) {
    case 2:
        s.back = translateColour(in.backColor, sys);
        s.backOver = translateColour(in.backOver, sys);
        s.fore = translateColour(in.foreColor, sys);
        s.foreOver = translateColour(in.foreOver, sys);
        fromBack();
        break;
    case 3:
        s.back = s.backOver = 0x00C0C0C0;
        s.shadow = 0x00808080;
        s.light = 0x00DFDFDF;
        s.highlight = 0x00FFFFFF;
        s.darkShadow = 0;
        s.fore = s.foreOver = 0;
        break;
    case 4:
        s.back = s.backOver = in.parentBack & 0x00FFFFFF;
        s.fore = s.foreOver = in.parentText & 0x00FFFFFF;
        fromBack();
        break;
    default: // 1 and anything unknown: the desktop's button colours
        s.back = s.backOver = sys[kColorBtnFace] & 0x00FFFFFF;
        s.shadow = sys[kColorBtnShadow] & 0x00FFFFFF;
        s.light = sys[kColor3dLight] & 0x00FFFFFF;
        s.darkShadow = sys[kColor3dDkShadow] & 0x00FFFFFF;
        s.highlight = sys[kColorBtnHighlight] & 0x00FFFFFF;
        s.fore = s.foreOver = sys[kColorBtnText] & 0x00FFFFFF;
        break;
    }
    s.mask = translateColour(in.maskColor, sys);
    s.base = Shift(s.back, 48, in.buttonType == 3, in.softBevel);
    return s;
}

} // namespace vs::controls
