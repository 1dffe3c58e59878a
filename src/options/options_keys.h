// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Preferences first written by the options dialog. The two playlist keys are
// the music player's, declared in playback/ so that both can read them; the
// fade time, the display keys and the glasses' keys are declared by the
// subsystems that read them.
#include "base/preference_key.h"
#include "playback/playback_keys.h"

namespace vs::options::pref {

using playback::pref::TocarCiclico;
using playback::pref::TocarTodasCanciones;
// "1" once this user has read the photosensitivity warning and said Yes.
inline constexpr PreferenceKey AvisoFotosensibilidad{"Opciones", "Aviso Fotosensibilidad", "0"};

} // namespace vs::options::pref
