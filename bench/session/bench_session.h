// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawn session for the benchmark and the screenshots: a beat curve that
// climbs from Delta into Alfa and settles back, and a slowly falling carrier.
#include "session/session_model.h"

#include "base/preferences.h"

#include <QDir>
#include <QString>

#include <cmath>
#include <ctime>

namespace vs::session::bench {

// CPU time of this thread: on a shared machine the wall clock also counts the
// time other processes held the core.
inline double threadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Keeps the user's preferences out of it.
inline void privatePreferences() {
    QString file = QDir::tempPath() + "/vs-graph-bench-prefs.ini";
    QFile::remove(file);
    Preferences::setInstanceFile(file.toStdString());
}

inline void fillSession(SessionModel& m, int beatPoints, int basePoints) {
    m.SesionNueva();
    const float k = m.MedioPunto, span = m.W - 2 * k;
    m.NumPuntos = static_cast<std::int16_t>(beatPoints);
    for (int i = 1; i <= kMaxPuntos; ++i)
        m.Punto[i].Visible = i <= beatPoints;
    for (int i = 1; i <= beatPoints; ++i) {
        const double t = (i - 1.0) / (beatPoints - 1);
        const double hz = 4 + 6 * std::sin(t * 3.14159) + 1.5 * std::sin(t * 17);
        m.Punto[i].Left = static_cast<float>(span * t);
        m.Punto[i].Top = m.topForBinaural(hz);
    }
    m.relayCells();
    for (int i = 1; i < beatPoints; ++i)
        m.setCellSequence(i, 1 + (i * 3) % 7);
    m.NumPuntosFR = static_cast<std::int16_t>(basePoints);
    for (int i = 1; i <= kMaxPuntos; ++i)
        m.PuntoFR[i].Visible = i <= basePoints;
    for (int i = 1; i <= basePoints; ++i) {
        const double t = (i - 1.0) / (basePoints - 1);
        m.PuntoFR[i].Left = static_cast<float>(span * t);
        m.PuntoFR[i].Top = m.topForBase(320 - 160 * t + 25 * std::sin(t * 9));
    }
    m.setMinutos(25);
    m.setSegundos(0);
}

} // namespace vs::session::bench
