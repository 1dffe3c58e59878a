// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_choice.h"

#include "glasses_settings.h"

#include "base/preferences.h"
#include "glasses/glasses_keys.h"
#include "glasses/led_port.h"
#include "glasses/port_setup.h"
#include "glasses/state.h"

#include <algorithm>

namespace vs::options {

PortList::PortList(std::vector<std::string> found, const std::string& puertoHex,
                   const std::string& puertoSerie)
    : serie_(std::move(found)) {
    if (!puertoSerie.empty() &&
        std::find(serie_.begin(), serie_.end(), puertoSerie) == serie_.end())
        serie_.push_back(puertoSerie);
    for (int i = 0; i < 3; ++i)
        if (puertoHex == kPuertos[i]) paralelo_ = i;
    inicial_ = paralelo_;
    for (int i = 0; i < static_cast<int>(serie_.size()); ++i)
        if (!puertoSerie.empty() && serie_[std::size_t(i)] == puertoSerie) inicial_ = 3 + i;
}

std::string PortList::texto(int posicion) const {
    if (posicion >= 0 && posicion < 3) return kPuertos[posicion];
    return dispositivo(posicion);
}

std::string PortList::dispositivo(int posicion) const {
    if (posicion < 3 || posicion >= size()) return {};
    return serie_[std::size_t(posicion - 3)];
}

int PortList::posicionParalelo(int posicion) const {
    return posicion >= 0 && posicion < 3 ? posicion : paralelo_;
}

void guardarSalidas(Preferences& prefs, glasses::GlassesSettings& settings, glasses::LedPort& port,
                    const std::string& puertoSerie, bool luzEnAudio) {
    prefs.save(glasses::pref::PuertoSerie, puertoSerie);
    prefs.save(glasses::pref::LuzEnAudio, luzEnAudio ? "1" : "0");
    glasses::readGlassesSettings(prefs, settings);
    port.useSerialDevice(settings.PuertoSerie);
}

} // namespace vs::options
