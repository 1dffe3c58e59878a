// SPDX-License-Identifier: GPL-3.0-or-later
#include "binaural_guard.h"

#include "base/services.h"

namespace vs::shell {

std::string BinauralGuard::obstacle(int deviceChannels,
                                    const std::optional<audio::OutputFacts>& server) {
    if (deviceChannels == 1) return "tiene un solo canal";
    if (server && server->handsFree)
        return "es un auricular Bluetooth en modo manos libres, que sólo lleva un canal";
    if (server && server->channels == 1) return "tiene un solo canal";
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
    if (messages_.askYesNo("Los pulsos binaurales necesitan auriculares estéreo, y la salida de "
                           "audio" +
                           device + " " + why +
                           ".\n\n¿Usar el pulso «Isocrónico», que "
                           "se oye también por altavoces, hasta cerrar el programa? La opción "
                           "guardada no cambia."))
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
