// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The glasses tab's decisions that are not the test: the colour a clicked
// indicator takes next, the warning before the glasses are first switched on,
// and what "Aceptar" stores.
#include <array>
#include <cstdint>
#include <string>

namespace vs {
class MessageService;
class Preferences;
} // namespace vs
namespace vs::glasses {
struct GlassesSettings;
}

namespace vs::options {

struct LedColours {
    std::uint32_t lit = 0;
    std::uint32_t unlit = 0;
    bool operator==(const LedColours&) const = default;
};

// Green turns red, red yellow, yellow green; a colour outside the three pairs
// (set by hand in the preferences) stays as it is.
LedColours siguienteColor(LedColours actual);

// The dialog's indicators when it opens: the stored colours with the
// start-up defaults.
std::array<LedColours, 9> coloresGuardados(const Preferences& prefs); // index 1..8

// Asked before the glasses are switched on by this user for the first time;
// a Yes is remembered so it is asked once. True when they may be switched on.
bool confirmarGafas(MessageService& messages, Preferences& prefs);
extern const char* const kAvisoFotosensibilidad;

// "Aceptar": the eight colour pairs, the port and the polarity by their list
// positions; the program's address and polarity follow (read back into `settings`).
void guardarAceptar(Preferences& prefs, glasses::GlassesSettings& settings,
                    const std::array<LedColours, 9>& colores, int posicionPuerto,
                    int posicionSalida);

inline constexpr const char* kPuertos[3] = {"378", "278", "3BC"};
inline constexpr const char* kSalidas[2] = {"Direct", "Invers"};

} // namespace vs::options
