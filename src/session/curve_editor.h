// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Mouse editing of the two curves, free of any window: each gesture of the
// graph is a function on the model that keeps the points ordered, the beat
// segment cells in step and sets SesionModificada. Positions and pointer
// offsets are graph units; the view converts pixels before calling in.
#include "random_source.h"
#include "session_model.h"

#include <cstdint>
#include <string>

namespace vs::session {

enum class CurveKind { Binaural, Base };

// Rectangle, in graph units, that the pointer may travel while a marker is held.
struct PointerBounds {
    float left = 0, top = 0, right = 0, bottom = 0;
};

// Left click at (x, y) on the graph. Returns the index of the new point, 0
// when the click is refused (30 points, outside the limits, too close).
int agregarPunto(SessionModel& m, float x, float y, RandomSource& random);
// Shift + left click at (x, y). Returns the new index or 0.
int agregarPuntoFR(SessionModel& m, float x, float y);

// Right press on a marker; the first and the last point of a curve stay.
// Returns whether the point was removed.
bool EliminarPunto(SessionModel& m, int index);
bool EliminarPuntoFR(SessionModel& m, int index);

// Pointer moved to (x, y) relative to the held marker's top-left corner. A
// middle point follows the pointer; the first and the last only change height.
void moverPunto(SessionModel& m, int index, float x, float y);
void moverPuntoFR(SessionModel& m, int index, float x, float y);
// Left release: a beat point above or below the graph comes back inside.
// A base point is left where it is.
void soltarPunto(SessionModel& m, int index);

// Where the pointer may go while marker `index` is held: the graph less
// `px` pixels at the right and bottom; for a middle point, from the held
// marker's left neighbour + 4 px to its right neighbour's right edge - 8 px,
// and never nearer than a pixel to the neighbour's own position.
// `unitsPerPixelX/Y` turn pixel amounts into graph units at the view's scale.
PointerBounds limitesArrastre(const SessionModel& m, CurveKind curve, int index,
                              float unitsPerPixelX, float unitsPerPixelY);

// Information texts for the point under edit; index 0 clears them.
struct PointInfo {
    std::string hz;
    std::string time;
};
PointInfo MostrarInfo(const SessionModel& m, int index);
PointInfo MostrarInfoFR(const SessionModel& m, int index);

// Session-length label and the four time-axis labels in between.
struct TimeLabels {
    std::string lblTiempo;
    std::string lblT[5]; // [0] is always "00:00"
};
TimeLabels EscribirTiempos(const SessionModel& m);

} // namespace vs::session
