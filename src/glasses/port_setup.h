// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up choice of the glasses' port from the preferences.
#include "led_port.h"
#include "state.h"

#include <cstdint>
#include <string>

namespace vs {
class Preferences;
}

namespace vs::glasses {

// The data register address named by a "Puerto Hex" text: "378", "278" or
// "3BC" exactly (case matters); 0 for any other text.
std::uint16_t direccionPuerto(const std::string& texto);

// The settings' one writer: reads "Puerto Hex", "Puerto Serie", "Luz en
// Audio", "Salida Puerto" and "Gafas Mentales". A text naming no known port
// leaves PuertoLed as it was.
void readGlassesSettings(const Preferences& prefs, GlassesSettings& settings);

// Start-up: the settings from the program's store; hands the serial choice to
// the port, then reads the port once. Returns the message to show the user
// once when the glasses are enabled but their port cannot be driven (with the
// light in the sound, only a chosen serial device counts); empty otherwise.
std::string ConfigurarPuerto(GlassesSettings& settings, LedPort& port);

} // namespace vs::glasses
