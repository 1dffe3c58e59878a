// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop_manners.h"
#include "exit_signals.h"
#include "main_window.h"
#include "qt_translations.h"
#include "safekeeping.h"
#include "session_arguments.h"
#include "single_instance.h"

#include "base/interface_translation.h"
#include "base/paths.h"
#include "glasses/crash_darkening.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

// VS_REPORT_SHOWN=1 prints the monotonic time of the window's first paint and
// then leaves through the exit command, like a user would, so the benchmark
// measures process start to window shown and leaves nothing behind.
class FirstPaintReporter : public QObject {
public:
    explicit FirstPaintReporter(vs::shell::FrmSomnara& window) : window_(window) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            timespec ts{};
            clock_gettime(CLOCK_MONOTONIC, &ts);
            std::printf("shown %lld\n",
                        static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, [this] { window_.mnuArchivoSalir_Click(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    vs::shell::FrmSomnara& window_;
    bool done_ = false;
};

} // namespace

int main(int argc, char** argv) {
    vs::glasses::installCrashDarkening();
    vs::shell::installExitSignals();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velorin Somnara"));
    // Wayland compositors find the window's icon and name through the entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("velorin-somnara"));
    QApplication::setWindowIcon(vs::shell::programIcon());
    vs::shell::QtTranslations qtTexts;
    qtTexts.load(vs::interfaceLanguage());
    vs::installInterfaceTranslation(vs::interfaceLanguage(), vs::translationsFolder());
    // QApplication has taken its own options out of argv by now.
    const std::vector<std::string> files =
        vs::shell::sessionFilesFromArguments(std::vector<std::string>(argv + 1, argv + argc));
    vs::shell::SingleInstance instance;
    if (instance.handOver(files)) return 0;
    vs::shell::FrmSomnara window;
    window.addSessionFiles(files);
    instance.receive([&window](const std::vector<std::string>& more) {
        window.addSessionFiles(more);
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window.raise();
        window.activateWindow();
    });
    vs::shell::Safekeeping safekeeping(window);
    FirstPaintReporter reporter(window);
    if (qEnvironmentVariableIsSet("VS_REPORT_SHOWN")) window.installEventFilter(&reporter);
    window.show();
    return app.exec();
}
