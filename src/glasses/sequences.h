// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seven fixed LED patterns of the glasses: name, strip colour and the LED
// byte of each step (bit k lights LED k+1).
#include <array>
#include <cstdint>
#include <string>

namespace vs::glasses {

struct SecuenciaLed {
    std::string Denominacion;  // padded with blanks to 40 characters
    std::uint32_t Color = 0;   // 0x00BBGGRR
    std::int16_t NumPasos = 0; // 2..4
};

inline constexpr int kNumSecuencias = 7;
inline constexpr int kMaxPasos = 4;

// Fills the table; idempotent. The program calls it once during start-up.
void CargarSecuencias();

// Entry k-1 describes sequence k (k = 1..7).
const std::array<SecuenciaLed, kNumSecuencias>& Secuencias();

// The byte for sequence k at step s; 0 for k or s outside 1..7 / 1..NumPasos.
std::uint8_t PasosSecuencia(int k, int s);

// Colour of sequence k (1..7); a number outside the table gets the colour of
// sequence 1 so a damaged cell still shows something.
std::uint32_t colorOf(int k);

// The name without its padding blanks.
std::string nombre(int k);

} // namespace vs::glasses
