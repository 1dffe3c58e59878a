// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window reads at start-up and stores at an orderly exit.
#include "base/preference_key.h"
#include "playback/playback_keys.h"

namespace vs::shell::pref {

// "Opciones"
inline constexpr PreferenceKey FrecuenciaBinauralMaxima{"Opciones", "Frecuencia Binaural Maxima",
                                                        "15"};
inline constexpr PreferenceKey FrecuenciaBaseMaxima{"Opciones", "Frecuencia Base Maxima", "500"};
// "Volumen": the source boxes and bars are declared in playback/playback_keys.h
// (the renderer reads them too).
using playback::pref::BinauralActivo;
using playback::pref::MascaraActivo;
using playback::pref::VolumenBinaural;
using playback::pref::VolumenMascara;
// "Grid": column widths in twips
inline constexpr PreferenceKey AnchoSesion{"Grid", "Ancho Sesion", "2580"};
inline constexpr PreferenceKey AnchoDuracionSesion{"Grid", "Ancho Duracion Sesion", "800"};
inline constexpr PreferenceKey AnchoMusica{"Grid", "Ancho Musica", "2580"};
inline constexpr PreferenceKey AnchoDuracionMusica{"Grid", "Ancho Duracion Musica", "800"};
// "Ventana" (written at exit, never read)
inline constexpr PreferenceKey PosicionLeft{"Ventana", "Posicion Left", nullptr};
inline constexpr PreferenceKey PosicionTop{"Ventana", "Posicion Top", nullptr};

} // namespace vs::shell::pref
