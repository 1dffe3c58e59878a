// SPDX-License-Identifier: GPL-3.0-or-later
// Documentation screenshots of the help window, on the main window's chapter,
// in Spanish and in English:
//   xvfb-run -a build/bench/shell/help_screenshots docs/
// writes help-window.png and help-window-en.png. No link is followed.
#include "shell/help.h"
#include "shell/help_window.h"

#include <QApplication>
#include <QTest>
#include <cstdio>

#include "recording_desktop.h"
#include "screenshot_sandbox.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const vs::bench::ScreenshotSandbox sandbox(argc, argv);
    vs::RecordingDesktopService desktop;
    bool ok = true;
    for (auto [language, file] :
         {std::pair{vs::InterfaceLanguage::Spanish, "help-window.png"},
          std::pair{vs::InterfaceLanguage::English, "help-window-en.png"}}) {
        vs::shell::HelpWindow help(desktop);
        help.showChapter(QString::fromStdString(vs::shell::manualFile(VS_RUNTIME_DIR, language)),
                         QStringLiteral("ventana"));
        help.show();
        if (!QTest::qWaitForWindowExposed(&help)) return 1;
        vs::bench::pumpEvents(200);
        const QString path = sandbox.out + "/" + file;
        const bool saved = help.grab().save(path);
        std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
        ok = ok && saved;
    }
    return ok ? 0 : 1;
}
