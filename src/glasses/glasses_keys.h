// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The light glasses' preferences, all under "Opciones".
#include "base/preference_key.h"

#include <string>

namespace vs::glasses::pref {

inline constexpr PreferenceKey PuertoHex{"Opciones", "Puerto Hex", "378"};
inline constexpr PreferenceKey SalidaPuerto{"Opciones", "Salida Puerto", "Direct"};
inline constexpr PreferenceKey GafasMentales{"Opciones", "Gafas Mentales", "0"};
// The serial device that drives the glasses instead of the parallel port; ""
// (the default, and every file written before there was a choice): none.
inline constexpr PreferenceKey PuertoSerie{"Opciones", "Puerto Serie", ""};
// "1": the lights are also carried in the sound, as a tone above hearing.
inline constexpr PreferenceKey LuzEnAudio{"Opciones", "Luz en Audio", "0"};

inline constexpr const char* kColourSection = "Opciones";
// LED colours: "ColorLedLit" / "ColorLedUnLit" followed by the LED number 1..8.
// The options dialog writes the unlit key spelled "ColorLedUnlit"; the store's
// case-insensitive keys make both spellings one value.
std::string colorLedLitKey(int led);
std::string colorLedUnLitKey(int led);
std::string colorLedUnlitWriteKey(int led);
// Defaults at start-up and when the options dialog opens.
unsigned startupLitColour(int led);   // odd 65535, even 65280
unsigned startupUnLitColour(int led); // odd 32896, even 32768
// Defaults when the main window re-reads after the options dialog.
inline constexpr unsigned kAfterDialogLit = 255;
inline constexpr unsigned kAfterDialogUnLit = 128;

} // namespace vs::glasses::pref
