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

std::string ConfigurarPuerto(EstadoGafas& estado, LedPort& port) {
    auto& prefs = Preferences::instance();
    estado.PuertoHex = prefs.get(pref::PuertoHex);
    if (std::uint16_t address = direccionPuerto(estado.PuertoHex)) estado.PuertoLed = address;
    estado.PuertoSerie = prefs.get(pref::PuertoSerie);
    estado.LuzEnAudio = prefs.getBool(pref::LuzEnAudio);
    port.useSerialDevice(estado.PuertoSerie);
    port.Inp32(estado.PuertoLed);
    estado.SalidaPuerto = prefs.get(pref::SalidaPuerto);
    estado.GafasMentales = prefs.getBool(pref::GafasMentales);
    if (!estado.GafasMentales) return {};
    // Lights carried in the sound need no port: a machine without a parallel
    // port is then no fault to announce at every start. A chosen serial board
    // that cannot be opened still is.
    if (estado.LuzEnAudio && estado.PuertoSerie.empty()) return {};
    return port.problema();
}

} // namespace vs::glasses
