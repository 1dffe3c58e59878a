#pragma once
// Preferences first written by the options dialog. The two playlist keys are
// read by the music player; the fade time, the display keys and the glasses'
// keys are declared by the subsystems that read them.
#include "base/preference_key.h"

namespace vs::options::pref {

inline constexpr PreferenceKey TocarCiclico{"Opciones", "Tocar Ciclico", "1"};
inline constexpr PreferenceKey TocarTodasCanciones{"Opciones", "Tocar Todas Canciones", "0"};
// "1" once this user has read the photosensitivity warning and said Yes.
inline constexpr PreferenceKey AvisoFotosensibilidad{"Opciones", "Aviso Fotosensibilidad", "0"};

} // namespace vs::options::pref
