// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Indicator double: the state of eight on-screen LEDs.
#include "glasses/led_display.h"

#include <array>
#include <cstdint>

namespace vs::glasses {

class RecordingIndicators : public LedIndicators {
public:
    std::array<bool, 9> lit{}; // index 1..8
    std::array<std::uint32_t, 9> litColour{};
    std::array<std::uint32_t, 9> unLitColour{};
    int litCalls = 0;

    void setLit(int led, bool on) override {
        lit[led] = on;
        ++litCalls;
    }
    void setColours(int led, std::uint32_t l, std::uint32_t u) override {
        litColour[led] = l;
        unLitColour[led] = u;
    }
    // The byte the indicators show.
    int byte() const {
        int b = 0;
        for (int i = 1; i <= 8; ++i)
            if (lit[i]) b |= 1 << (i - 1);
        return b;
    }
};

} // namespace vs::glasses
