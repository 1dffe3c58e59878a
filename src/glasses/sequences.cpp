// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequences.h"

#include "base/interface_language.h"

namespace vs::glasses {
namespace {

constexpr std::uint32_t rgb(unsigned r, unsigned g, unsigned b) {
    return r + 256u * g + 65536u * b;
}

// The names stay Spanish in the table; the chooser shows them translated
// (context "Sequences").
struct Row {
    const char* name;
    std::uint32_t color;
    std::int16_t steps;
    std::uint8_t bytes[kMaxPasos];
};

constexpr Row kRows[kNumSecuencias] = {
    {VS_TRANSLATE_NOOP("Sequences", "Rueda interior"), rgb(255, 128, 128), 4, {20, 34, 65, 136}},
    {VS_TRANSLATE_NOOP("Sequences", "Rueda exterior"), rgb(255, 192, 128), 4, {20, 136, 65, 34}},
    {VS_TRANSLATE_NOOP("Sequences", "Ola interior"), rgb(255, 255, 128), 3, {65, 170, 20, 0}},
    {VS_TRANSLATE_NOOP("Sequences", "Ola exterior"), rgb(128, 255, 128), 3, {20, 170, 65, 0}},
    {VS_TRANSLATE_NOOP("Sequences", "On Off"), rgb(128, 255, 255), 2, {255, 0, 0, 0}},
    {VS_TRANSLATE_NOOP("Sequences", "Flip Flop"), rgb(128, 128, 255), 2, {15, 240, 0, 0}},
    {VS_TRANSLATE_NOOP("Sequences", "Cruz"), rgb(255, 128, 255), 2, {165, 90, 0, 0}},
};

std::array<SecuenciaLed, kNumSecuencias> table;
bool loaded = false;

} // namespace

void CargarSecuencias() {
    for (int i = 0; i < kNumSecuencias; ++i) {
        std::string name = kRows[i].name;
        name.resize(40, ' ');
        table[i] = {name, kRows[i].color, kRows[i].steps};
    }
    loaded = true;
}

const std::array<SecuenciaLed, kNumSecuencias>& Secuencias() {
    if (!loaded) CargarSecuencias();
    return table;
}

std::uint8_t PasosSecuencia(int k, int s) {
    if (k < 1 || k > kNumSecuencias || s < 1 || s > kRows[k - 1].steps) return 0;
    return kRows[k - 1].bytes[s - 1];
}

std::uint32_t colorOf(int k) {
    if (k < 1 || k > kNumSecuencias) k = 1;
    return Secuencias()[k - 1].Color;
}

std::string nombre(int k) {
    if (k < 1 || k > kNumSecuencias) return {};
    return kRows[k - 1].name;
}

} // namespace vs::glasses
