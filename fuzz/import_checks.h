// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every import must give, whatever the file: a rejection with a reason,
// or a session the rest of the program can trust, whose *.sbg export imports
// again to the same length and scale.
#include "session/session_import.h"

#include <cmath>
#include <cstdlib>

namespace vs::fuzz {

inline void require(bool condition) {
    if (!condition) std::abort();
}

inline void requireWholeUnits(const session::Curve& c, const session::SessionModel& m, bool beat) {
    const float bottom = m.H - 2 * m.MedioPunto;
    require(c[1].Left == 0 && c[c.count()].Left == m.W - 2 * m.MedioPunto);
    for (int i = 1; i <= c.count(); ++i) {
        require(c[i].Visible && c[i].Left == std::floor(c[i].Left) && c[i].Top == std::floor(c[i].Top));
        require(c[i].Top >= 0 && c[i].Top <= bottom);
        if (i > 1) require(beat ? c[i].Left > c[i - 1].Left : c[i].Left >= c[i - 1].Left);
    }
    for (int i = c.count() + 1; i <= session::kMaxPuntos; ++i)
        require(!c[i].Visible);
}

inline void checkImport(const session::ImportResult& result) {
    using namespace vs::session;
    if (const auto* r = std::get_if<ImportRejection>(&result)) {
        require(r->line >= 0 && !r->reason.empty());
        return;
    }
    const ImportedSession& s = std::get<ImportedSession>(result);
    const SessionModel& m = s.model;
    require(m.NumPuntos >= 2 && m.NumPuntos <= kMaxPuntos);
    require(m.NumPuntosFR >= 2 && m.NumPuntosFR <= kMaxPuntos);
    require(m.lengthSeconds() >= 1 && m.minutos() < 60 && m.segundos() < 60);
    require(m.FrecBinauralMax >= 14 && m.FrecBinauralMax <= 30);
    require(m.FrecBaseMax >= 450 && m.FrecBaseMax <= 1000);
    requireWholeUnits(m.Punto, m, true);
    requireWholeUnits(m.PuntoFR, m, false);
    for (int i = 1; i < m.NumPuntos; ++i)
        require(m.pG[i].Visible && m.cellSequence(i) == 6);
    require(!s.maskLevel || (*s.maskLevel >= 0 && *s.maskLevel <= 100));
    require(m.SesionModificada);

    const std::string text = sbgText(m, {s.maskLevel.value_or(0), 50});
    const ImportResult again =
        importSbg(text, {static_cast<int>(m.FrecBinauralMax), m.FrecBaseMax});
    const auto* back = std::get_if<ImportedSession>(&again);
    require(back != nullptr);
    require(back->model.lengthSeconds() == m.lengthSeconds());
    require(back->model.FrecBinauralMax == m.FrecBinauralMax);
    require(back->model.FrecBaseMax == m.FrecBaseMax);
    require(back->maskLevel == (s.maskLevel.value_or(0) > 0 ? s.maskLevel : std::nullopt));
}

} // namespace vs::fuzz
