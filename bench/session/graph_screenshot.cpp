// SPDX-License-Identifier: GPL-3.0-or-later
// Saves pictures of the graph group: a session of 10 beat and 6 base points,
// with the grid on and off, at the design size and at twice it.
// Usage: graph_screenshot [output folder]
#include "bench_session.h"

#include "glasses/sequences.h"
#include "session/graph_frame.h"

#include "session/session_keys.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

using namespace vs::session;

static bool shoot(GraphFrame& frame, const QString& file) {
    frame.refresh();
    QApplication::processEvents();
    bool ok = frame.grab().save(file);
    std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "FAILED", qPrintable(file), frame.width(),
                frame.height());
    return ok;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(VS_DOCS_DIR);
    bench::privatePreferences();
    auto& prefs = vs::Preferences::instance();

    SessionModel m;
    bench::fillSession(m, 10, 6);
    GraphFrame frame(m);
    frame.setSequencePalette(vs::glasses::colorOf); // as the main window does
    frame.setCursorX(m.cursorX(m.lengthMs() * 0.37));
    frame.setCursorVisible(true);
    frame.resize(GraphFrame::designSize() * 2);
    frame.show();

    bool ok = true;
    prefs.save(vs::session::pref::VerLineasGrid, "1");
    prefs.save(vs::session::pref::VerTextoFrecuencias, "1");
    ok &= shoot(frame, out + "/graph_grid_on.png");
    prefs.save(vs::session::pref::VerLineasGrid, "0");
    prefs.save(vs::session::pref::VerTextoFrecuencias, "0");
    ok &= shoot(frame, out + "/graph_grid_off.png");
    prefs.save(vs::session::pref::VerLineasGrid, "1");
    prefs.save(vs::session::pref::VerTextoFrecuencias, "1");
    frame.resize(GraphFrame::designSize());
    ok &= shoot(frame, out + "/graph_design_size.png");
    return ok ? 0 : 1;
}
