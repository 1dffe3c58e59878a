// SPDX-License-Identifier: GPL-3.0-or-later
#include "glasses_settings.h"

#include "options_keys.h"

#include "base/interface_language.h"
#include "base/preferences.h"
#include "base/services.h"
#include "glasses/glasses_keys.h"
#include "glasses/port_setup.h"
#include "glasses/state.h"

namespace vs::options {

const char* const kAvisoFotosensibilidad = VS_TRANSLATE_NOOP(
    "GlassesSettings",
    "Aviso para personas fotosensibles\n\n"
    "Las gafas mentales destellan a la frecuencia de la sesión. Las luces que parpadean "
    "entre 3 y 30 veces por segundo pueden provocar crisis epilépticas en personas "
    "fotosensibles (alrededor de 1 de cada 4.000 personas de 5 a 24 años), aunque nunca "
    "hayan tenido una. El riesgo es mayor entre 15 y 20 destellos por segundo y con los "
    "ojos cerrados.\n\n"
    "No use las gafas si usted o alguien de su familia ha tenido epilepsia o crisis. "
    "Si nota mareo, visión alterada, tics o desorientación, quítese las gafas y pulse Esc: "
    "la sesión se detiene y las luces se apagan.\n\n"
    "¿Desea activar las gafas mentales?");

LedColours siguienteColor(LedColours actual) {
    switch (actual.lit) {
    case 65280:
        return {255, 128};
    case 255:
        return {65535, 32896};
    case 65535:
        return {65280, 32768};
    default:
        return actual;
    }
}

std::array<LedColours, 9> coloresGuardados(const Preferences& prefs) {
    std::array<LedColours, 9> out{};
    const char* section = glasses::pref::kColourSection;
    for (int i = 1; i <= 8; ++i) {
        out[i].lit = static_cast<std::uint32_t>(
            prefs.getInt(section, glasses::pref::colorLedLitKey(i),
                         static_cast<std::int32_t>(glasses::pref::startupLitColour(i))));
        out[i].unlit = static_cast<std::uint32_t>(
            prefs.getInt(section, glasses::pref::colorLedUnLitKey(i),
                         static_cast<std::int32_t>(glasses::pref::startupUnLitColour(i))));
    }
    return out;
}

bool confirmarGafas(MessageService& messages, Preferences& prefs) {
    if (prefs.getBool(pref::AvisoFotosensibilidad)) return true;
    if (!messages.askYesNo(translate("GlassesSettings", kAvisoFotosensibilidad))) return false;
    prefs.save(pref::AvisoFotosensibilidad, "1");
    return true;
}

void guardarAceptar(Preferences& prefs, glasses::GlassesSettings& settings,
                    const std::array<LedColours, 9>& colores, int posicionPuerto,
                    int posicionSalida) {
    const char* section = glasses::pref::kColourSection;
    for (int i = 1; i <= 8; ++i) {
        prefs.save(section, glasses::pref::colorLedLitKey(i), std::to_string(colores[i].lit));
        prefs.save(section, glasses::pref::colorLedUnlitWriteKey(i),
                   std::to_string(colores[i].unlit));
    }
    const int puerto = posicionPuerto >= 0 && posicionPuerto <= 2 ? posicionPuerto : 0;
    prefs.save(glasses::pref::PuertoHex, kPuertos[puerto]);
    const int salida = posicionSalida == 1 ? 1 : 0;
    prefs.save(glasses::pref::SalidaPuerto, kSalidas[salida]);
    glasses::readGlassesSettings(prefs, settings);
}

} // namespace vs::options
