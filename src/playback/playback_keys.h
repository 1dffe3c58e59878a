// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The session player's preferences, and the playlist's two that the options
// dialog writes (the music player in library/ and the dialog in options/ both
// read them, so they live below both).
#include "base/preference_key.h"

namespace vs::playback::pref {

// The source boxes and bars as the window left them at its last exit; the
// command-line renderer reads them too.
inline constexpr PreferenceKey MusicaActivo{"Volumen", "Musica Activo", "1"};
inline constexpr PreferenceKey VolumenBinaural{"Volumen", "Binaural", "50"};
inline constexpr PreferenceKey VolumenMascara{"Volumen", "Mascara", "20"};
inline constexpr PreferenceKey BinauralActivo{"Volumen", "Binaural Activo", "1"};
inline constexpr PreferenceKey MascaraActivo{"Volumen", "Mascara Activo", "0"};

// Length of the closing fade in seconds, 0..120 (0: no fade).
inline constexpr PreferenceKey UltimosSegundos{"Opciones", "Ultimos Segundos", "30"};
inline constexpr int kUltimosSegundosMax = 120;

// "1": the list starts again at its first song after the last one.
inline constexpr PreferenceKey TocarCiclico{"Opciones", "Tocar Ciclico", "1"};
// "1": only the chosen song plays, again and again.
inline constexpr PreferenceKey TocarTodasCanciones{"Opciones", "Tocar Todas Canciones", "0"};

} // namespace vs::playback::pref
