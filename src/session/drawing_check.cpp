// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/drawing_check.h"

#include "base/interface_language.h"
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
    if (!(p.Left >= 0)) return translate("DrawingCheck", "antes del comienzo");
    if (!(p.Left <= right)) return translate("DrawingCheck", "después del final");
    if (!(p.Top >= 0)) return translate("DrawingCheck", "por encima del gráfico");
    if (!(p.Top <= bottom)) return translate("DrawingCheck", "por debajo del gráfico");
    return {};
}

std::string maxText(double value) {
    return std::isfinite(value) ? formatFixed(value, 0) : translate("DrawingCheck", "no numérico");
}

} // namespace

std::vector<std::string> drawingNotes(const SessionModel& m) {
    std::vector<std::string> found;
    int unnamed = 0;
    for (const auto& [curve, point] :
         {std::pair{&m.Punto, VS_TRANSLATE_NOOP("DrawingCheck", "el punto %1 del pulso está %2")},
          std::pair{&m.PuntoFR,
                    VS_TRANSLATE_NOOP("DrawingCheck", "el punto %1 de la portadora está %2")}}) {
        for (int i = 1; i <= curve->count(); ++i) {
            const std::string where = whereOff((*curve)[i], m);
            if (where.empty()) continue;
            if (int(found.size()) < kNamedPoints)
                found.push_back(
                    withArgs(translate("DrawingCheck", point), {std::to_string(i), where}));
            else
                ++unnamed;
        }
    }
    if (unnamed > 0)
        found.push_back(withArgs(translate("DrawingCheck", "%1 puntos más fuera del gráfico"),
                                 {std::to_string(unnamed)}));
    if (!(m.FrecBinauralMax >= kBinauralMaxLowest && m.FrecBinauralMax <= kBinauralMaxHighest))
        found.push_back(withArgs(translate("DrawingCheck", "el máximo del pulso (%1 Hz) está fuera "
                                                           "de los márgenes de las opciones (de "
                                                           "%2 a %3 Hz)"),
                                 {maxText(m.FrecBinauralMax), std::to_string(kBinauralMaxLowest),
                                  std::to_string(kBinauralMaxHighest)}));
    if (!(m.FrecBaseMax >= kBaseMaxLowest && m.FrecBaseMax <= kBaseMaxHighest))
        found.push_back(withArgs(translate("DrawingCheck", "el máximo de la portadora (%1 Hz) está "
                                                           "fuera de los márgenes de las opciones "
                                                           "(de %2 a %3 Hz)"),
                                 {maxText(m.FrecBaseMax), std::to_string(kBaseMaxLowest),
                                  std::to_string(kBaseMaxHighest)}));
    if (found.empty()) return {};
    std::string line = translate("DrawingCheck", "La sesión no suena como la dibuja la ventana: ");
    for (std::size_t i = 0; i < found.size(); ++i)
        line += (i == 0                  ? std::string()
                 : i + 1 == found.size() ? translate("DrawingCheck", " y ")
                                         : std::string("; ")) +
                found[i];
    return {line + "."};
}

} // namespace vs::session
