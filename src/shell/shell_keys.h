// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window reads at start-up and stores at an orderly exit.
#include "base/preference_key.h"

namespace vs::shell::pref {

// "Opciones"
inline constexpr PreferenceKey FrecuenciaBinauralMaxima{"Opciones", "Frecuencia Binaural Maxima",
                                                        "15"};
inline constexpr PreferenceKey FrecuenciaBaseMaxima{"Opciones", "Frecuencia Base Maxima", "500"};
// "Volumen"
inline constexpr PreferenceKey VolumenBinaural{"Volumen", "Binaural", "50"};
inline constexpr PreferenceKey VolumenMascara{"Volumen", "Mascara", "20"};
inline constexpr PreferenceKey BinauralActivo{"Volumen", "Binaural Activo", "1"};
inline constexpr PreferenceKey MascaraActivo{"Volumen", "Mascara Activo", "0"};
// "Musica Activo" is in playback/playback_keys.h: the renderer reads it too.
// "Grid": column widths in twips
inline constexpr PreferenceKey AnchoSesion{"Grid", "Ancho Sesion", "2580"};
inline constexpr PreferenceKey AnchoDuracionSesion{"Grid", "Ancho Duracion Sesion", "800"};
inline constexpr PreferenceKey AnchoMusica{"Grid", "Ancho Musica", "2580"};
inline constexpr PreferenceKey AnchoDuracionMusica{"Grid", "Ancho Duracion Musica", "800"};
// "Ventana" (written at exit, never read)
inline constexpr PreferenceKey PosicionLeft{"Ventana", "Posicion Left", nullptr};
inline constexpr PreferenceKey PosicionTop{"Ventana", "Posicion Top", nullptr};

} // namespace vs::shell::pref
