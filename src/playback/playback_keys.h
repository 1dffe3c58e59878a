// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The session player's preferences, the sound's (pulse type, noise colour,
// channels, device) and the playlist's two: the options dialog writes them,
// the player, the window and the music player in library/ read them, so they
// live below all of these.
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

// How the sound reaches the listener (sound_choice.h): the pulse type 0, 1, 2;
// the noise colour by name; "1": left and right exchanged at the output.
inline constexpr PreferenceKey TipoPulso{"Opciones", "Tipo Pulso", "0"};
inline constexpr PreferenceKey ColorRuido{"Opciones", "Color Ruido", "Original"};
inline constexpr PreferenceKey IntercambiarCanales{"Opciones", "Intercambiar Canales", "0"};
// The output device by the name the system lists; "": the system's default.
inline constexpr PreferenceKey DispositivoAudio{"Opciones", "Dispositivo Audio", ""};

} // namespace vs::playback::pref
