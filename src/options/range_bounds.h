// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two range spinners of the options dialog: how far they may go so that
// no point of the open session falls off the graph, and how the points move
// when a range changes so each keeps its frequency.
#include "session/frequency_range.h"

#include <array>

namespace vs::session {
class SessionModel;
}

namespace vs::options {

// Design bounds of the spinners.
inline constexpr int kBinauralMinimo = session::kBinauralMaxLowest;
inline constexpr int kBinauralMaximo = session::kBinauralMaxHighest;
inline constexpr int kBaseMinimo = session::kBaseMaxLowest;
inline constexpr int kBaseMaximo = session::kBaseMaxHighest;

// Every point's frequency when the dialog opened (index = point number).
struct PointFrequencies {
    std::array<float, 31> FrecuenciasPunto{};
    std::array<float, 31> FrecuenciasPuntoFR{};
};
PointFrequencies leerFrecuencias(const session::SessionModel& m);

struct RangeLimits {
    int binauralMin = kBinauralMinimo;
    int binauralMax = kBinauralMaximo;
    int baseMin = kBaseMinimo;
    int baseMax = kBaseMaximo;
};
// The binaural floor is the highest beat point rounded up; the base floor the
// highest base point rounded up to tens, and the base ceiling the lowest base
// point rounded down to tens plus the 450 Hz the axis spans.
RangeLimits limitesPara(const session::SessionModel& m, const PointFrequencies& f);

// Sets the session's maximum and moves every marker of that curve back to
// its frequency.
void aplicarBinauralMax(session::SessionModel& m, const PointFrequencies& f, int hz);
void aplicarBaseMax(session::SessionModel& m, const PointFrequencies& f, int hz);

} // namespace vs::options
