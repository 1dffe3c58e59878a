// SPDX-License-Identifier: GPL-3.0-or-later
#include "led_display.h"

#include "glasses_keys.h"
#include "base/preferences.h"

namespace vs::glasses {

void MostrarLeds(LedIndicators& view, std::uint8_t valor) {
    for (int i = 8; i >= 1; --i)
        view.setLit(i, (valor >> (i - 1)) & 1);
}

void CargarColoresLeds(LedIndicators& view, ColourReader lector) {
    auto& prefs = Preferences::instance();
    const char* section = pref::kColourSection;
    for (int i = 1; i <= 8; ++i) {
        const bool inicio = lector == ColourReader::Startup;
        const auto litDef = inicio ? pref::startupLitColour(i) : pref::kAfterDialogLit;
        const auto unlitDef = inicio ? pref::startupUnLitColour(i) : pref::kAfterDialogUnLit;
        const auto lit = prefs.getInt(section, pref::colorLedLitKey(i), static_cast<int>(litDef));
        const auto unlit =
            prefs.getInt(section, pref::colorLedUnLitKey(i), static_cast<int>(unlitDef));
        view.setColours(i, static_cast<std::uint32_t>(lit), static_cast<std::uint32_t>(unlit));
    }
    if (lector == ColourReader::Startup) MostrarLeds(view, 0);
}

} // namespace vs::glasses
