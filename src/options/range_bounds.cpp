// SPDX-License-Identifier: GPL-3.0-or-later
#include "range_bounds.h"

#include "session/session_model.h"

#include <algorithm>

namespace vs::options {

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
    for (int i = 1; i <= m.NumPuntos && i <= session::kMaxPuntos; ++i)
        l.binauralMin =
            std::max(l.binauralMin, session::binauralMaxRange(f.FrecuenciasPunto[i]).lowest);
    for (int i = 1; i <= m.NumPuntosFR && i <= session::kMaxPuntos; ++i) {
        const double hz = f.FrecuenciasPuntoFR[i];
        const session::MaxRange r = session::baseMaxRange(hz, hz);
        l.baseMin = std::max(l.baseMin, r.lowest);
        l.baseMax = std::min(l.baseMax, r.highest);
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
