// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/sound_choice.h"

#include "base/preferences.h"
#include "playback/playback_keys.h"

namespace vs::playback {

PulseType pulseTypeFromStored(int value) {
    switch (value) {
    case 1:
        return PulseType::Monaural;
    case 2:
        return PulseType::Isochronic;
    default:
        return PulseType::Binaural;
    }
}

NoiseColour noiseColourFromStored(const std::string& value) {
    if (value == "Rosa") return NoiseColour::Pink;
    if (value == "Marrón") return NoiseColour::Brown;
    return NoiseColour::Original;
}

std::string storedNoiseColour(NoiseColour colour) {
    switch (colour) {
    case NoiseColour::Pink:
        return "Rosa";
    case NoiseColour::Brown:
        return "Marrón";
    case NoiseColour::Original:
        break;
    }
    return "Original";
}

SoundChoice readSoundChoice(const Preferences& prefs) {
    SoundChoice c;
    c.pulse = pulseTypeFromStored(prefs.getInt(pref::TipoPulso));
    c.noise = noiseColourFromStored(prefs.get(pref::ColorRuido));
    c.swapChannels = prefs.getBool(pref::IntercambiarCanales);
    return c;
}

} // namespace vs::playback
