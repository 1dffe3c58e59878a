// SPDX-License-Identifier: GPL-3.0-or-later
#include "curve_editor.h"

#include "base/numeric.h"

#include <algorithm>

namespace vs::session {

namespace {

int drawSequence(RandomSource& random) {
    return static_cast<int>(roundHalfEven(random.next() * 6)) + 1;
}

// A new segment must look different from both neighbours in the strip.
int newSegmentSequence(const SessionModel& m, int i, RandomSource& random) {
    const int before = m.cellSequence(i - 1);
    const int after = i < m.NumPuntos - 1 ? m.cellSequence(i + 1) : 0;
    auto acceptable = [&](int r) { return r != before && r != after; };
    // A broken source could repeat one value forever; after enough draws take
    // the first acceptable number instead of hanging the window.
    for (int tries = 0; tries < 1000; ++tries) {
        int r = drawSequence(random);
        if (r >= 1 && r <= 7 && acceptable(r)) return r;
    }
    for (int r = 1; r <= 7; ++r)
        if (acceptable(r)) return r;
    return 1;
}

void copyCellSequence(SessionModel& m, int to, int from) {
    m.pG[to].Tag = m.pG[from].Tag;
}

} // namespace

int agregarPunto(SessionModel& m, float x, float y, RandomSource& random) {
    const float k = m.MedioPunto;
    const int n = m.NumPuntos;
    if (y > m.H - 2 * k) y = m.H - 2 * k;
    if (n >= kMaxPuntos) return 0;
    if (x < m.Punto[1].Left + 2 * k || x >= m.Punto[n].Left - k) return 0;

    int at = 0;
    for (int i = 2; i <= n; ++i) {
        const float left = m.Punto[i].Left;
        if (left - k < x && x < left + 3 * k) return 0;
        // A click exactly k left of a point's marker belongs before it; letting
        // it fall through would put the new point after a point on its right.
        if (left - k >= x) {
            at = i;
            break;
        }
    }
    if (at == 0) return 0;

    if (!m.Punto.insert(at, x - k, y)) return 0;

    m.layCells(at - 1, m.NumPuntos - 1);
    m.pG[m.NumPuntos - 1].Visible = true;
    random.seedFromClock();
    for (int j = m.NumPuntos - 1; j >= at + 1; --j)
        copyCellSequence(m, j, j - 1);
    m.setCellSequence(at, newSegmentSequence(m, at, random));

    m.SesionModificada = true;
    return at;
}

int agregarPuntoFR(SessionModel& m, float x, float y) {
    const float k = m.MedioPunto;
    const int n = m.NumPuntosFR;
    if (n >= kMaxPuntos) return 0;
    if (x < m.PuntoFR[1].Left + 2 * k || x >= m.PuntoFR[n].Left) return 0;

    int at = 0;
    for (int i = 1; i <= n; ++i) {
        if (x < m.PuntoFR[i].Left) {
            at = i;
            break;
        }
    }
    if (at == 0) return 0;

    if (!m.PuntoFR.insert(at, x, y)) return 0;
    m.SesionModificada = true;
    return at;
}

bool EliminarPunto(SessionModel& m, int index) {
    if (!m.Punto.remove(index)) return false;

    // The segment before the removed point stretches to the next point and
    // keeps its sequence; the removed point's own segment goes.
    m.layCells(index - 1, m.NumPuntos - 1);
    for (int i = index; i <= m.NumPuntos - 1; ++i)
        copyCellSequence(m, i, i + 1);
    m.pG[m.NumPuntos].Visible = false;
    m.SesionModificada = true;
    return true;
}

bool EliminarPuntoFR(SessionModel& m, int index) {
    if (!m.PuntoFR.remove(index)) return false;
    m.SesionModificada = true;
    return true;
}

void moverPunto(SessionModel& m, int index, float x, float y) {
    const int n = m.NumPuntos;
    if (index < 1 || index > n) return;
    m.Punto.moveBy(index, x, y);
    m.SesionModificada = true;
    m.layCells(index - 1, index); // the two segments that meet at the point
}

void moverPuntoFR(SessionModel& m, int index, float x, float y) {
    const int n = m.NumPuntosFR;
    if (index < 1 || index > n) return;
    Marker& p = m.PuntoFR[index];
    p.Top = std::clamp(p.Top, 0.0f, m.H - 2 * m.MedioPunto);
    m.PuntoFR.moveBy(index, x, y);
    if (m.PuntoFR.isMiddle(index))
        p.Left = std::clamp(p.Left, m.PuntoFR[index - 1].Left, m.PuntoFR[index + 1].Left);
    m.SesionModificada = true;
}

void soltarPunto(SessionModel& m, int index) {
    if (index < 1 || index > m.NumPuntos) return;
    m.Punto[index].Top = std::clamp(m.Punto[index].Top, 0.0f, m.H - 2 * m.MedioPunto);
}

PointerBounds limitesArrastre(const SessionModel& m, CurveKind curve, int index,
                              float unitsPerPixelX, float unitsPerPixelY) {
    const Curve& pts = curve == CurveKind::Binaural ? m.Punto : m.PuntoFR;
    PointerBounds b;
    b.right = m.W - 4 * unitsPerPixelX;
    b.bottom = m.H - 4 * unitsPerPixelY;
    if (!pts.isMiddle(index)) return b;

    const float prev = pts[index - 1].Left, next = pts[index + 1].Left;
    b.left = std::max(prev + 4 * unitsPerPixelX, 0.0f);
    // Eight pixels cover the marker's width only up to a certain scale; above
    // it the pointer would reach the neighbour, so stop a pixel short of it.
    b.right = std::min(next + 2 * m.MedioPunto - 8 * unitsPerPixelX, next - unitsPerPixelX);
    if (b.left > b.right) {
        // Neighbours closer than the pixel margins allow: hold the point still.
        const float here = std::clamp(pts[index].Left, prev, next);
        b.left = b.right = here;
    }
    return b;
}

PointInfo MostrarInfo(const SessionModel& m, int index) {
    if (index < 1 || index > kMaxPuntos) return {};
    const Marker& p = m.Punto[index];
    return {formatFixed(m.binauralHz(p.Top), 1),
            FormatoTiempo(static_cast<std::int64_t>(roundHalfEven(m.timeMs(p.Left))))};
}

PointInfo MostrarInfoFR(const SessionModel& m, int index) {
    if (index < 1 || index > kMaxPuntos) return {};
    const Marker& p = m.PuntoFR[index];
    return {formatFixed(m.baseHz(p.Top), 0),
            FormatoTiempo(static_cast<std::int64_t>(roundHalfEven(m.timeMs(p.Left))))};
}

TimeLabels EscribirTiempos(const SessionModel& m) {
    TimeLabels t;
    const double T = m.lengthMs();
    t.lblTiempo = FormatoTiempo(static_cast<std::int64_t>(T));
    t.lblT[0] = "00:00";
    for (int j = 1; j <= 4; ++j)
        t.lblT[j] = FormatoTiempo(static_cast<std::int64_t>(roundHalfEven(T / 5 * j)));
    return t;
}

} // namespace vs::session
