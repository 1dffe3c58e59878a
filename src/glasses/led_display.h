// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eight on-screen LED indicators that mirror the glasses, and what is shown
// on them: a LED byte (bit k lights LED k+1) and the colours from the preferences.
#include <array>
#include <cstdint>

namespace vs::glasses {

class LedIndicators {
public:
    virtual ~LedIndicators() = default;
    // led: 1..8.
    virtual void setLit(int led, bool lit) = 0;
    // Colours 0x00BBGGRR.
    virtual void setColours(int led, std::uint32_t lit, std::uint32_t unlit) = 0;
};

// Shows a LED byte on the indicators; never touches the port.
void MostrarLeds(LedIndicators& view, std::uint8_t valor);

// Who reads the colour preferences decides the defaults of absent keys.
enum class ColourReader {
    Startup,     // start-up: yellow/green lit, dark yellow/dark green unlit; then all unlit
    AfterOptions // main window after the options dialog: red / dark red
};
void CargarColoresLeds(LedIndicators& view, ColourReader lector);

} // namespace vs::glasses
