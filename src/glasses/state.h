// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The light glasses' two kinds of state, each with one writer. Read and
// written on the thread that drives the glasses (the UI thread live).
#include <cstdint>
#include <string>

namespace vs::glasses {

// The stored settings as the program runs with them. One writer:
// readGlassesSettings (port_setup.h), at start-up and each time the options
// dialog has stored a change; everything else reads them.
struct GlassesSettings {
    bool GafasMentales = false;          // glasses enabled ("Gafas Mentales")
    std::uint16_t PuertoLed = 0;         // data register address; 0: no output
    std::string PuertoHex = "378";       // "Puerto Hex" as stored
    std::string SalidaPuerto = "Direct"; // "Direct" or "Invers"; only the options test uses it
    std::string PuertoSerie;             // serial device in the parallel port's place; "": none
    bool LuzEnAudio = false;             // the lights also carried in the sound
};

// The LED sequence as it runs. One writer: the LedSequencer that steps it;
// the player and the sequence chooser change it through that sequencer.
struct SequencerState {
    float FrecuenciaLed = 0.0f;       // step rate in Hz
    std::int16_t SecuenciaActual = 0; // sequence shown, 1..7 (0 before the first choice)
    std::int16_t PasoSecuencia = 0;   // next step to show; never reset, so it starts at 0 once
};

} // namespace vs::glasses
