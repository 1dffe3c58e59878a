// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The glasses tab's port list: the three parallel port addresses, then the
// serial devices present, and what "Aceptar" stores for a choice among them.
#include <functional>
#include <string>
#include <vector>

namespace vs {
class Preferences;
}
namespace vs::glasses {
struct GlassesSettings;
class LedPort;
} // namespace vs::glasses

namespace vs::options {

// Finds the serial devices to offer; tests inject their own.
using SerialFinder = std::function<std::vector<std::string>()>;

class PortList {
public:
    // `found`: the devices present now; `puertoHex`, `puertoSerie`: the stored
    // choice. A stored device that is not present now is still listed, so
    // opening the dialog with the board unplugged does not lose the choice.
    PortList(std::vector<std::string> found, const std::string& puertoHex,
             const std::string& puertoSerie);

    int size() const { return 3 + static_cast<int>(serie_.size()); }
    // "378", "278", "3BC", then the device paths.
    std::string texto(int posicion) const;
    // The serial device at `posicion`; "" for a parallel address.
    std::string dispositivo(int posicion) const;
    // The parallel address's position to store: `posicion` itself for a
    // parallel entry, the stored one for a serial entry ("Puerto Hex" keeps
    // its three values whatever is chosen).
    int posicionParalelo(int posicion) const;
    // Where the list opens: the stored device, else the stored address.
    int inicial() const { return inicial_; }

private:
    std::vector<std::string> serie_;
    int paralelo_ = 0;
    int inicial_ = 0;
};

// "Aceptar": the serial device ("" for the parallel port) and the light in
// the sound, read back into `settings`; the program's output follows at once.
void guardarSalidas(Preferences& prefs, glasses::GlassesSettings& settings, glasses::LedPort& port,
                    const std::string& puertoSerie, bool luzEnAudio);

} // namespace vs::options
