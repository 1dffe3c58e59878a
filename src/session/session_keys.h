// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The graph's display preferences (set in the options dialog, read on every grid draw).
#include "base/preference_key.h"

namespace vs::session::pref {

inline constexpr PreferenceKey VerLineasGrid{"Opciones", "Ver Lineas Grid", "1"};
inline constexpr PreferenceKey VerTextoFrecuencias{"Opciones", "Ver Texto Frecuencias", "1"};

} // namespace vs::session::pref
