// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures that show the interface in one language, named after it: the
// main window with the shipped sessions, its session menu with the keys, the
// options dialog and a question with
// Yes and No (the photosensitivity warning), all from the real code paths.
//   LANG=es_ES.UTF-8 xvfb-run -a build/bench/shell/language_screenshots docs/
//   LANG=en_US.UTF-8 xvfb-run -a build/bench/shell/language_screenshots docs/
#include "base/preferences.h"
#include "glasses/led_port.h"
#include "library/session_library.h"
#include "options/frm_opciones.h"
#include "options/glasses_settings.h"
#include "shell/main_window.h"
#include "shell/qt_services.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include "recording_led_port.h"
#include "screenshot_sandbox.h"

namespace {

// Grabs the first message box that comes up, then answers it with No.
void grabNextMessageBox(const QString& file) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, file] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                poll->stop();
                poll->deleteLater();
                vs::bench::pumpEvents(300);
                box->grab().save(file);
                box->reject();
                return;
            }
    });
    poll->start(50);
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    const vs::bench::ScreenshotSandbox sandbox(argc, argv);
    vs::glasses::RecordingLedPort port;
    vs::glasses::setLedPort(&port);

    // A first run beside the shipped sessions and songs, the first session open.
    for (const QString& name : QDir(VS_RUNTIME_DIR).entryList({"*.vso", "*.mid"}, QDir::Files))
        QFile::copy(QString(VS_RUNTIME_DIR) + "/" + name, sandbox.path() + "/" + name);

    vs::shell::Dependencies deps;
    QStringList written;
    deps.runOptions = [&](const vs::options::OptionsContext& c, QWidget* owner) {
        vs::options::frmOpciones dialog(c, owner);
        dialog.show();
        vs::bench::pumpEvents(400);
        written << sandbox.named("options");
        dialog.grab().save(written.back());
    };
    vs::shell::FrmSomnara w(nullptr, deps);
    w.show();
    w.sessions().pulsar(2);
    vs::bench::pumpEvents(800);
    written << sandbox.named("main-window");
    w.grab().save(written.back());
    // The session menu with its keys, named in the language by Qt.
    QMenu* sesion = w.ui().mnuSesion;
    sesion->popup(w.mapToGlobal(QPoint(120, 20)));
    vs::bench::pumpEvents(400);
    written << sandbox.named("session-menu");
    sesion->grab().save(written.back());
    sesion->hide();
    w.ui().mnuArchivoOpciones->trigger();

    vs::shell::QtMessageService messages(&w);
    written << sandbox.named("question");
    grabNextMessageBox(written.back());
    vs::options::confirmarGafas(messages, vs::Preferences::instance());

    w.mnuArchivoSalir_Click();
    std::printf("wrote %s\n", qPrintable(written.join(", ")));
    return 0;
}
