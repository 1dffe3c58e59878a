// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The button's colour arithmetic and its four colour schemes, in plain
// integers so they can be checked without a window. Colours are 0x00BBGGRR.
#include <array>
#include <cstdint>

namespace vs::controls {

using Colour = std::uint32_t;

constexpr Colour kHouseBack = 0x00D8E9EC;
constexpr Colour kDefaultMask = 0x00C0C0C0;
// A colour with the top bit set names a system colour by its index.
constexpr Colour kSystemColourFlag = 0x80000000u;
constexpr int kColorWindow = 5;
constexpr int kColorWindowText = 8;
constexpr int kColorBtnFace = 15;
constexpr int kColorBtnShadow = 16;
constexpr int kColorBtnText = 18;
constexpr int kColorBtnHighlight = 20;
constexpr int kColor3dDkShadow = 21;
constexpr int kColor3dLight = 22;

constexpr Colour rgb(int r, int g, int b) {
    return Colour(r & 0xFF) | Colour(g & 0xFF) << 8 | Colour(b & 0xFF) << 16;
}
constexpr int red(Colour c) {
    return c & 0xFF;
}
constexpr int green(Colour c) {
    return (c >> 8) & 0xFF;
}
constexpr int blue(Colour c) {
    return (c >> 16) & 0xFF;
}

// Moves every channel by `amount` (halved with the soft bevel); with the
// proportional rule blue moves by blue * amount / 192 instead.
Colour Shift(Colour c, int amount, bool proportionalBlue, bool softBevel);
// Blends every channel towards white by v out of 255.
Colour Lighten(Colour c, int v);

// The desktop's colours by system index (only the indices above are read).
using SystemColours = std::array<Colour, 32>;
// A system-colour code becomes the real colour; a plain colour loses its top byte.
Colour translateColour(Colour c, const SystemColours& system);

struct ColourSet {
    Colour back = 0, backOver = 0, shadow = 0, light = 0, highlight = 0, darkShadow = 0;
    Colour fore = 0, foreOver = 0, mask = 0;
    Colour base = 0; // the gradient look's starting colour
};

struct SchemeInput {
    int scheme = 1;
    int buttonType = 3;
    bool softBevel = false;
    Colour backColor = kHouseBack, backOver = kHouseBack, foreColor = 0, foreOver = 0;
    Colour maskColor = kDefaultMask;
    Colour parentBack = 0, parentText = 0; // the container's drawing colours (scheme 4)
    SystemColours system{};
};

ColourSet SetColors(const SchemeInput& in);

} // namespace vs::controls
