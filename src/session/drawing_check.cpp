// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/drawing_check.h"

#include "base/numeric.h"
#include "session/frequency_range.h"

#include <cmath>

namespace vs::session {
namespace {

// Points named one by one before the rest are only counted.
constexpr int kNamedPoints = 3;

// Where a point lies off the graph, or nothing when it is on it.
std::string whereOff(const Marker& p, const SessionModel& m) {
    const float right = m.W - 2 * m.MedioPunto, bottom = m.H - 2 * m.MedioPunto;
    if (!(p.Left >= 0)) return "antes del comienzo";
    if (!(p.Left <= right)) return "después del final";
    if (!(p.Top >= 0)) return "por encima del gráfico";
    if (!(p.Top <= bottom)) return "por debajo del gráfico";
    return {};
}

std::string maxText(double value) {
    return std::isfinite(value) ? formatFixed(value, 0) : "no numérico";
}

} // namespace

std::vector<std::string> drawingNotes(const SessionModel& m) {
    std::vector<std::string> found;
    int unnamed = 0;
    for (const auto& [curve, name] : {std::pair{&m.Punto, "del pulso"},
                                      std::pair{&m.PuntoFR, "de la portadora"}}) {
        for (int i = 1; i <= curve->count(); ++i) {
            const std::string where = whereOff((*curve)[i], m);
            if (where.empty()) continue;
            if (int(found.size()) < kNamedPoints)
                found.push_back("el punto " + std::to_string(i) + " " + name + " está " + where);
            else
                ++unnamed;
        }
    }
    if (unnamed > 0) found.push_back(std::to_string(unnamed) + " puntos más fuera del gráfico");
    if (!(m.FrecBinauralMax >= kBinauralMaxLowest && m.FrecBinauralMax <= kBinauralMaxHighest))
        found.push_back("el máximo del pulso (" + maxText(m.FrecBinauralMax) +
                        " Hz) está fuera de los márgenes de las opciones (de " +
                        std::to_string(kBinauralMaxLowest) + " a " +
                        std::to_string(kBinauralMaxHighest) + " Hz)");
    if (!(m.FrecBaseMax >= kBaseMaxLowest && m.FrecBaseMax <= kBaseMaxHighest))
        found.push_back("el máximo de la portadora (" + maxText(m.FrecBaseMax) +
                        " Hz) está fuera de los márgenes de las opciones (de " +
                        std::to_string(kBaseMaxLowest) + " a " + std::to_string(kBaseMaxHighest) +
                        " Hz)");
    if (found.empty()) return {};
    std::string line = "La sesión no suena como la dibuja la ventana: ";
    for (std::size_t i = 0; i < found.size(); ++i)
        line += (i == 0 ? "" : i + 1 == found.size() ? " y " : "; ") + found[i];
    return {line + "."};
}

} // namespace vs::session
