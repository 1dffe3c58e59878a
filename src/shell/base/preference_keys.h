#pragma once
// Every preference the program reads or writes, with its default on read, in
// one place. Readers convert the text themselves right after reading.
#include <string>

namespace vs::pref {

inline constexpr const char* kApp = "Velorin Somnara";

struct Key {
    const char* section;
    const char* name;
    const char* def; // default on read; nullptr: never read
};

// "Opciones"
inline constexpr Key PuertoHex{"Opciones", "Puerto Hex", "378"};
inline constexpr Key SalidaPuerto{"Opciones", "Salida Puerto", "Direct"};
inline constexpr Key GafasMentales{"Opciones", "Gafas Mentales", "0"};
inline constexpr Key UltimosSegundos{"Opciones", "Ultimos Segundos", "30"};
inline constexpr Key FrecuenciaBinauralMaxima{"Opciones", "Frecuencia Binaural Maxima", "15"};
inline constexpr Key FrecuenciaBaseMaxima{"Opciones", "Frecuencia Base Maxima", "500"};
inline constexpr Key VerLineasGrid{"Opciones", "Ver Lineas Grid", "1"};
inline constexpr Key VerTextoFrecuencias{"Opciones", "Ver Texto Frecuencias", "1"};
inline constexpr Key TocarTodasCanciones{"Opciones", "Tocar Todas Canciones", "0"};
inline constexpr Key TocarCiclico{"Opciones", "Tocar Ciclico", "1"};
inline constexpr Key Setup{"Opciones", "Setup", "0"};
// "Preferencias"
inline constexpr Key NumeroSesion{"Preferencias", "Numero Sesion", "1"};
inline constexpr Key InitDir{"Preferencias", "InitDir", nullptr}; // default: program folder
// "Inicio"
inline constexpr Key InicioSesiones{"Inicio", "Sesiones", "0"};
inline constexpr Key InicioMusica{"Inicio", "Musica", "0"};
// "Volumen"
inline constexpr Key VolumenBinaural{"Volumen", "Binaural", "50"};
inline constexpr Key VolumenMascara{"Volumen", "Mascara", "20"};
inline constexpr Key BinauralActivo{"Volumen", "Binaural Activo", "1"};
inline constexpr Key MascaraActivo{"Volumen", "Mascara Activo", "0"};
inline constexpr Key MusicaActivo{"Volumen", "Musica Activo", "1"};
// "Grid"
inline constexpr Key AnchoSesion{"Grid", "Ancho Sesion", "2580"};
inline constexpr Key AnchoDuracionSesion{"Grid", "Ancho Duracion Sesion", "800"};
inline constexpr Key AnchoMusica{"Grid", "Ancho Musica", "2580"};
inline constexpr Key AnchoDuracionMusica{"Grid", "Ancho Duracion Musica", "800"};
// "Ventana" (written at exit, never read)
inline constexpr Key PosicionLeft{"Ventana", "Posicion Left", nullptr};
inline constexpr Key PosicionTop{"Ventana", "Posicion Top", nullptr};

// LED colours: "ColorLedLit" / "ColorLedUnLit" followed by the LED number 1..8.
// The options dialog writes the unlit key spelled "ColorLedUnlit"; the store's
// case-insensitive keys make both spellings one value.
std::string colorLedLitKey(int led);
std::string colorLedUnLitKey(int led);
std::string colorLedUnlitWriteKey(int led);
// Defaults at start-up and when the options dialog opens.
unsigned startupLitColour(int led);   // odd 65535, even 65280
unsigned startupUnLitColour(int led); // odd 32896, even 32768
// Defaults when the main window re-reads after the options dialog.
inline constexpr unsigned kAfterDialogLit = 255;
inline constexpr unsigned kAfterDialogUnLit = 128;

} // namespace vs::pref
