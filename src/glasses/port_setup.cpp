// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_setup.h"

#include "glasses_keys.h"
#include "base/preferences.h"

namespace vs::glasses {

std::uint16_t direccionPuerto(const std::string& texto) {
    if (texto == "378") return 0x378;
    if (texto == "278") return 0x278;
    if (texto == "3BC") return 0x3BC;
    return 0;
}

void readGlassesSettings(const Preferences& prefs, GlassesSettings& s) {
    s.PuertoHex = prefs.get(pref::PuertoHex);
    if (std::uint16_t address = direccionPuerto(s.PuertoHex)) s.PuertoLed = address;
    s.PuertoSerie = prefs.get(pref::PuertoSerie);
    s.LuzEnAudio = prefs.getBool(pref::LuzEnAudio);
    s.SalidaPuerto = prefs.get(pref::SalidaPuerto);
    s.GafasMentales = prefs.getBool(pref::GafasMentales);
}

std::string ConfigurarPuerto(GlassesSettings& settings, LedPort& port) {
    readGlassesSettings(Preferences::instance(), settings);
    port.useSerialDevice(settings.PuertoSerie);
    port.Inp32(settings.PuertoLed);
    if (!settings.GafasMentales) return {};
    // Lights carried in the sound need no port: a machine without a parallel
    // port is then no fault to announce at every start. A chosen serial board
    // that cannot be opened still is.
    if (settings.LuzEnAudio && settings.PuertoSerie.empty()) return {};
    return port.problema();
}

} // namespace vs::glasses
