// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a picture of each of the options dialog's six tabs, with the glasses
// on and two sound devices listed, into the folder given as the only argument.
//   xvfb-run -a build/tests/options/options_screenshots docs/
#include "controls/boton_gradiente.h"
#include "options/frm_opciones.h"

#include "base/preferences.h"
#include "glasses/state.h"
#include "session/session_model.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include "recording_indicators.h"
#include "recording_led_port.h"
#include "recording_messages.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    const QString prefs = QDir::temp().filePath("vs-options-screenshots.ini");
    QFile::remove(prefs);
    vs::Preferences::setInstanceFile(prefs.toStdString());
    vs::Preferences::instance().save("Opciones", "Gafas Mentales", "1");
    vs::session::SessionModel model;
    vs::glasses::GlassesSettings estado;
    estado.GafasMentales = true;
    estado.PuertoLed = 0x378;
    vs::glasses::RecordingLedPort port;
    vs::glasses::RecordingIndicators principal;
    vs::RecordingMessageService messages;
    vs::options::OptionsContext c{model,     nullptr,  estado, port,
                                  principal, messages, {},     &vs::controls::makeHouseButton};
    c.buscarSalidas = [] {
        return std::vector<std::string>{"Audio interno Estéreo analógico", "Auriculares USB"};
    };
    vs::options::frmOpciones d(c);
    d.show();
    if (!QTest::qWaitForWindowExposed(&d)) return 1;
    auto* tabs = d.findChild<QTabWidget*>("SSTab1");
    const char* names[6] = {"frecuencias", "ver", "musica", "fade", "gafas", "sonido"};
    bool ok = true;
    for (int i = 0; i < 6; ++i) {
        tabs->setCurrentIndex(i);
        if (i == 4) { // mid-test: the diamonds turning
            d.test().cmdTest_Click();
            for (int t = 0; t < 11; ++t)
                d.Timer1_Timer();
        }
        QApplication::processEvents();
        const QString file = out + "/options-" + names[i] + ".png";
        const bool saved = d.grab().save(file);
        std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
        ok = ok && saved;
    }
    d.test().stop();
    QFile::remove(prefs);
    return ok ? 0 : 1;
}
