// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The session library's and the playlist's preferences.
#include "base/preference_key.h"

namespace vs::library::pref {

// "1" once the first-run list of default sessions has been written.
inline constexpr PreferenceKey InicioSesiones{"Inicio", "Sesiones", "0"};
// "1" from the first orderly exit on; until then listed paths are looked for
// beside the program.
inline constexpr PreferenceKey Setup{"Opciones", "Setup", "0"};
// The number proposed in the name of the next new session ("Sesion 01").
inline constexpr PreferenceKey NumeroSesion{"Preferencias", "Numero Sesion", "1"};
// "1" once the first-run playlist of shipped MIDI files has been written.
inline constexpr PreferenceKey InicioMusica{"Inicio", "Musica", "0"};
// Where "Añadir Canción" opens; empty (absent) means the program's folder.
inline constexpr PreferenceKey InitDir{"Preferencias", "InitDir", ""};

} // namespace vs::library::pref
