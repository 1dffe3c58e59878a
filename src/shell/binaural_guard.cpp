// SPDX-License-Identifier: GPL-3.0-or-later
#include "binaural_guard.h"

#include "base/interface_language.h"
#include "base/services.h"

namespace vs::shell {

std::string BinauralGuard::obstacle(int deviceChannels,
                                    const std::optional<audio::OutputFacts>& server) {
    if (deviceChannels == 1) return translate("BinauralGuard", "tiene un solo canal");
    if (server && server->handsFree)
        return translate("BinauralGuard",
                         "es un auricular Bluetooth en modo manos libres, que sólo lleva un canal");
    if (server && server->channels == 1) return translate("BinauralGuard", "tiene un solo canal");
    return {};
}

playback::SoundChoice BinauralGuard::atPlay(const playback::SoundChoice& stored, bool tones,
                                            int deviceChannels,
                                            const std::optional<audio::OutputFacts>& server) {
    playback::SoundChoice c = current(stored);
    if (told_ || !tones || c.pulse != playback::PulseType::Binaural) return c;
    const std::string why = obstacle(deviceChannels, server);
    if (why.empty()) return c;
    told_ = true;
    std::string device;
    if (server && !server->description.empty()) device = " «" + server->description + "»";
    // %1: the device's name in quotes after a space, or nothing; %2: why.
    if (messages_.askYesNo(withArgs(
            translate("BinauralGuard",
                      "Los pulsos binaurales necesitan auriculares estéreo, y la salida de "
                      "audio%1 %2.\n\n¿Usar el pulso «Isocrónico», que "
                      "se oye también por altavoces, hasta cerrar el programa? La opción "
                      "guardada no cambia."),
            {device, why})))
        isochronicForRun_ = true;
    return current(stored);
}

playback::SoundChoice BinauralGuard::current(const playback::SoundChoice& stored) const {
    playback::SoundChoice c = stored;
    if (isochronicForRun_ && c.pulse == playback::PulseType::Binaural)
        c.pulse = playback::PulseType::Isochronic;
    return c;
}

} // namespace vs::shell
