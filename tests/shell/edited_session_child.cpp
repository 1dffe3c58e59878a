// SPDX-License-Identifier: GPL-3.0-or-later
// A run of the window with its safekeeping, built as the program's main
// builds them but over stand-ins: it opens the session given, changes its
// length without saving, prints "EDITED" and runs until something ends it.
// Usage: edited_session_child FOLDER SESSION (FOLDER holds its program,
// data and configuration folders).
#include "base/paths.h"
#include "base/preferences.h"
#include "glasses/crash_darkening.h"
#include "shell/exit_signals.h"
#include "shell/safekeeping.h"
#include "session/graph_frame.h"
#include "session/session_document.h"
#include "stand_in_window.h"

#include <QApplication>
#include <QScrollBar>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    vs::glasses::installCrashDarkening();
    vs::shell::installExitSignals();
    QApplication app(argc, argv);
    const std::string folder = argv[1];
    vs::overrideFolders(folder, folder + "/data", folder + "/config");
    vs::Preferences::setInstanceFile(folder + "/config/preferencias.ini");
    vs::test::StandIns standIns;
    auto window = standIns.window();
    window->addSessionFiles({argv[2]});
    vs::shell::Safekeeping safekeeping(*window);
    window->show();
    QTimer::singleShot(0, &app, [&] {
        window->ui().graph->findChild<QScrollBar*>("ScrollMinutos")->setValue(7);
        std::printf(window->document().modified() ? "EDITED\n" : "UNCHANGED\n");
        std::fflush(stdout);
    });
    return app.exec();
}
