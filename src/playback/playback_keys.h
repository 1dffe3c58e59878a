#pragma once
// The session player's preferences.
#include "base/preference_key.h"

namespace vs::playback::pref {

// Length of the closing fade in seconds, 0..120 (0: no fade).
inline constexpr PreferenceKey UltimosSegundos{"Opciones", "Ultimos Segundos", "30"};
inline constexpr int kUltimosSegundosMax = 120;

} // namespace vs::playback::pref
