// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Geometry of the graph's frame of reference: band lines, fifths of the time
// axis, band names and axis values on the graph, and the fixed layout of the
// ticks and labels around it. Graph units throughout; "window" positions are
// in the graph group's own coordinates (the graph stands at kGraphLeft,
// kGraphTop in it).
#include "base/interface_language.h"
#include "session_model.h"

#include <array>
#include <string>

namespace vs::session {

// Height of the band-name and axis-value labels (one line of the 8 pt UI font).
inline constexpr float kLabelHeight = 195;

struct Grid {
    bool linesVisible = true;               // band lines and the four vertical lines
    bool namesVisible = true;               // "Delta" .. "Beta"
    float yTheta = 0, yAlfa = 0, yBeta = 0; // band lines at 3.5, 7 and 13 Hz
    std::array<float, 4> xVertical{};       // 1/5 .. 4/5 of the time axis
    std::array<float, 4> nameTop{};         // Delta, Theta, Alfa, Beta
    std::array<std::string, 4> binaural;    // lblPic1Binaural(0..3)
    std::array<std::string, 5> base;        // lblPic1Base(0..4)
};

// Shown through vs::translate with the context "GraphGrid".
inline const std::array<const char*, 4> kBandNames = {
    VS_TRANSLATE_NOOP("GraphGrid", "Delta"), VS_TRANSLATE_NOOP("GraphGrid", "Theta"),
    VS_TRANSLATE_NOOP("GraphGrid", "Alfa"), VS_TRANSLATE_NOOP("GraphGrid", "Beta")};

// Centre height of a point of beat frequency f: its marker's top as the model
// places it, plus half a marker.
float yOfBinaural(const SessionModel& m, double hz);

Grid DibujarGrid(const SessionModel& m, bool verLineasGrid, bool verTextoFrecuencias,
                 float nameHeight = kLabelHeight);

// Fixed layout around the graph, computed once from the start-up graph size.
struct GraphLayout {
    std::array<float, 26> lineT{};      // x of the time ticks, window units
    std::array<float, 10> lineF{};      // y of the frequency ticks, bottom (0) to top (9)
    std::array<float, 4> binauralTop{}; // lblPic1Binaural(j) top
    std::array<float, 5> baseTop{};     // lblPic1Base(j) top
    std::array<float, 5> lblTLeft{};    // lblT(j) left
    float lblTiempoLeft = 0;
};

GraphLayout layoutGraph(float graphLeft, float graphTop, float W, float H, float k,
                        float labelHeight, float timeLabelWidth);

} // namespace vs::session
