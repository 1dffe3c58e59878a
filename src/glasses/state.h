// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Program-wide light-glasses state: one copy, read and written on the UI thread.
#include <cstdint>
#include <string>

namespace vs::glasses {

struct EstadoGafas {
    bool GafasMentales = false;          // glasses enabled ("Gafas Mentales")
    std::uint16_t PuertoLed = 0;         // data register address; 0: no output
    std::string PuertoHex = "378";       // "Puerto Hex" as stored
    std::string SalidaPuerto = "Direct"; // "Direct" or "Invers"; only the options test uses it
    std::string PuertoSerie;             // serial device in the parallel port's place; "": none
    bool LuzEnAudio = false;             // the lights also carried in the sound
    float FrecuenciaLed = 0.0f;          // step rate in Hz
    std::int16_t SecuenciaActual = 0;    // sequence shown, 1..7 (0 before the first choice)
    std::int16_t PasoSecuencia = 0;      // next step to show; never reset, so it starts at 0 once
};

// The running program's copy.
EstadoGafas& estadoGafas();

} // namespace vs::glasses
