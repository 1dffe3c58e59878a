#pragma once
// The session library's preferences.
#include "base/preference_key.h"

namespace vs::library::pref {

// "1" once the first-run list of default sessions has been written.
inline constexpr PreferenceKey InicioSesiones{"Inicio", "Sesiones", "0"};
// "1" from the first orderly exit on; until then listed paths are looked for
// beside the program.
inline constexpr PreferenceKey Setup{"Opciones", "Setup", "0"};
// The number proposed in the name of the next new session ("Sesion 01").
inline constexpr PreferenceKey NumeroSesion{"Preferencias", "Numero Sesion", "1"};

} // namespace vs::library::pref
