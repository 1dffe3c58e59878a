// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the documentation pictures of the LED panel, the sequence chooser and
// the LED widget into the folder given as the only argument.
#include "glasses/frm_secuencia.h"
#include "glasses/led_display.h"
#include "glasses/led_panel.h"
#include "glasses/sequences.h"
#include "sequencer_on_doubles.h"

#include "base/preferences.h"
#include "lumidot.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>

#include <cstdio>

using namespace vs::glasses;

namespace {

bool save(QWidget& w, const QString& file) {
    w.show();
    if (!QTest::qWaitForWindowExposed(&w)) std::printf("not exposed: %s\n", qPrintable(file));
    QApplication::processEvents();
    const bool ok = w.grab().save(file);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(file));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    // Defaults only: never read the user's preferences.
    vs::Preferences::setInstanceFile(QDir::temp().filePath("vs-screenshots.ini").toStdString());
    bool ok = true;

    LedPanel panel;
    panel.resize(panel.sizeHint());
    CargarColoresLeds(panel, ColourReader::Startup);
    MostrarLeds(panel, PasosSecuencia(7, 1));
    ok &= save(panel, out + "/led-panel-cruz-step1.png");

    SequencerOnDoubles glasses;
    glasses.state.SecuenciaActual = 3;
    glasses.state.FrecuenciaLed = 7.0f;
    frmSecuencia chooser(glasses.sequencer);
    ok &= save(chooser, out + "/sequence-chooser.png");

    Lumidot small;
    small.resize(11, 11);
    ok &= save(small, out + "/lumidot-11.png");
    Lumidot big;
    big.resize(64, 64);
    ok &= save(big, out + "/lumidot-64.png");
    return ok ? 0 : 1;
}
