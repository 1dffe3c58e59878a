// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the session's sound reaches the listener: the pulse type, the masking
// noise's colour and whether left and right are exchanged. Set on the
// options' "Sonido" tab and stored (playback_keys.h); the window plays with
// it and an export carries a copy (ExportOptions).
//
// Binaural: the left tone in the left ear, the right tone in the right, the
// beat made inside the head, so only through stereo headphones. Monaural:
// each ear both tones at half their level, the beat heard in the air, from
// speakers too. Isochronic: one tone at the base frequency in both ears,
// switched on and off at the beat rate (pulse_envelope.h).
#include "playback/noise_colours.h"

#include <string>

namespace vs {
class Preferences;
}

namespace vs::playback {

enum class PulseType { Binaural = 0, Monaural = 1, Isochronic = 2 };

struct SoundChoice {
    PulseType pulse = PulseType::Binaural;
    NoiseColour noise = NoiseColour::Original;
    bool swapChannels = false;
    friend bool operator==(const SoundChoice&, const SoundChoice&) = default;
};

// The stored forms: "Tipo Pulso" 0, 1, 2; "Color Ruido" "Original", "Rosa",
// "Marrón". Anything else the file may hold reads as the design's sound.
PulseType pulseTypeFromStored(int value);
NoiseColour noiseColourFromStored(const std::string& value);
std::string storedNoiseColour(NoiseColour colour);

// The choice as the preferences hold it now.
SoundChoice readSoundChoice(const Preferences& prefs);

} // namespace vs::playback
