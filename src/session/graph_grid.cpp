// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph_grid.h"

#include "base/numeric.h"

namespace vs::session {

float yOfBinaural(const SessionModel& m, double hz) {
    return m.topForBinaural(hz) + m.MedioPunto;
}

Grid DibujarGrid(const SessionModel& m, bool verLineasGrid, bool verTextoFrecuencias,
                 float nameHeight) {
    Grid g;
    g.linesVisible = verLineasGrid;
    g.namesVisible = verTextoFrecuencias;
    g.yTheta = yOfBinaural(m, 3.5);
    g.yAlfa = yOfBinaural(m, 7);
    g.yBeta = yOfBinaural(m, 13);

    const float fifth = (m.W - 2 * m.MedioPunto) / 5;
    g.xVertical[0] = m.MedioPunto + fifth;
    for (int j = 1; j < 4; ++j)
        g.xVertical[j] = g.xVertical[j - 1] + fifth;

    for (int j = 0; j < 4; ++j)
        g.binaural[j] = formatFixed(j * m.FrecBinauralMax / 3.0, 1);
    for (int j = 0; j < 5; ++j)
        g.base[j] = formatFixed(m.FrecBaseMax - 400.0 + 100.0 * j, 0);

    const float h2 = nameHeight / 2;
    g.nameTop[0] = (g.yTheta + m.H) / 2 - h2;
    g.nameTop[1] = (g.yAlfa + g.yTheta) / 2 - h2;
    g.nameTop[2] = (g.yBeta + g.yAlfa) / 2 - h2;
    g.nameTop[3] = g.yBeta / 2 - h2;
    return g;
}

GraphLayout layoutGraph(float graphLeft, float graphTop, float W, float H, float k,
                        float labelHeight, float timeLabelWidth) {
    GraphLayout l;
    l.lineT[0] = graphLeft + k;
    for (int j = 1; j < 26; ++j)
        l.lineT[j] = l.lineT[j - 1] + (W - 2 * k) / 25;
    l.lineF[0] = graphTop + H - k;
    for (int j = 1; j < 10; ++j)
        l.lineF[j] = l.lineF[j - 1] - (H - 2 * k) / 9;
    for (int j = 0; j < 4; ++j)
        l.binauralTop[j] = l.lineF[3 * j] - labelHeight / 3;
    for (int j = 0; j < 5; ++j)
        l.baseTop[j] = l.lineF[2 * j + 1] - labelHeight / 3;
    for (int j = 0; j < 5; ++j)
        l.lblTLeft[j] = l.lineT[5 * j] - timeLabelWidth / 2;
    l.lblTiempoLeft = l.lineT[25] - timeLabelWidth / 2;
    return l;
}

} // namespace vs::session
