// SPDX-License-Identifier: GPL-3.0-or-later
#include "range_bounds.h"

#include "session/session_model.h"

#include <algorithm>
#include <cmath>

namespace vs::options {
namespace {

// Markers sit at float positions: a point drawn exactly at 17 Hz may read
// 17.00001 and must not push the floor to 18.
constexpr double kHolgura = 1e-3;

} // namespace

PointFrequencies leerFrecuencias(const session::SessionModel& m) {
    PointFrequencies f;
    for (int i = 1; i <= m.NumPuntos && i <= session::kMaxPuntos; ++i)
        f.FrecuenciasPunto[i] = static_cast<float>(m.binauralHz(m.Punto[i].Top));
    for (int i = 1; i <= m.NumPuntosFR && i <= session::kMaxPuntos; ++i)
        f.FrecuenciasPuntoFR[i] = static_cast<float>(m.baseHz(m.PuntoFR[i].Top));
    return f;
}

RangeLimits limitesPara(const session::SessionModel& m, const PointFrequencies& f) {
    RangeLimits l;
    for (int i = 1; i <= m.NumPuntos && i <= session::kMaxPuntos; ++i) {
        const int techo = static_cast<int>(std::ceil(f.FrecuenciasPunto[i] - kHolgura));
        l.binauralMin = std::max(l.binauralMin, techo);
    }
    for (int i = 1; i <= m.NumPuntosFR && i <= session::kMaxPuntos; ++i) {
        const double hz = f.FrecuenciasPuntoFR[i];
        const int arriba = static_cast<int>(std::ceil((hz - kHolgura) / 10)) * 10;
        const int abajo = static_cast<int>(std::floor((hz + kHolgura) / 10)) * 10 + 450;
        l.baseMin = std::max(l.baseMin, arriba);
        l.baseMax = std::min(l.baseMax, abajo);
    }
    // A session read from a file may hold points beyond what the spinners
    // allow; the floor wins, so the highest point stays on the graph.
    l.binauralMax = std::max(l.binauralMax, l.binauralMin);
    l.baseMax = std::max(l.baseMax, l.baseMin);
    return l;
}

void aplicarBinauralMax(session::SessionModel& m, const PointFrequencies& f, int hz) {
    m.FrecBinauralMax = static_cast<float>(hz);
    for (int i = 1; i <= m.NumPuntos && i <= session::kMaxPuntos; ++i)
        m.Punto[i].Top = m.topForBinaural(f.FrecuenciasPunto[i]);
}

void aplicarBaseMax(session::SessionModel& m, const PointFrequencies& f, int hz) {
    m.FrecBaseMax = hz;
    for (int i = 1; i <= m.NumPuntosFR && i <= session::kMaxPuntos; ++i)
        m.PuntoFR[i].Top = m.topForBase(f.FrecuenciasPuntoFR[i]);
}

} // namespace vs::options
