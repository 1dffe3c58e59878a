// SPDX-License-Identifier: GPL-3.0-or-later
// Documentation screenshots of the main window: a first run's library with a
// default session open, idle with a drawn session, and mid-session with the
// cursor, the labels and the LEDs running. Uses a
// throw-away preference store and no glasses port.
//   xvfb-run -a build/bench/shell/window_screenshot docs/
#include "base/paths.h"
#include "base/preferences.h"
#include "base/services.h"
#include "controls/boton_gradiente.h"
#include "glasses/led_port.h"
#include "library/music_library.h"
#include "library/session_library.h"
#include "shell/main_window.h"
#include "session/graph_frame.h"
#include "session/session_model.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>
#include "recording_led_port.h"
#include "recording_messages.h"
#include "screenshot_sandbox.h"

namespace {

void drawSession(vs::session::SessionModel& m) {
    const double beats[10] = {12, 10.5, 9, 7.5, 6, 4.5, 4, 5.5, 8, 10};
    m.NumPuntos = 10;
    for (int i = 1; i <= 10; ++i) {
        m.Punto[i] = {static_cast<float>(6000.0 * (i - 1) / 9), m.topForBinaural(beats[i - 1]),
                      true};
    }
    m.relayCells();
    const int seqs[9] = {1, 2, 3, 4, 5, 6, 7, 1, 2};
    for (int i = 1; i <= 9; ++i)
        m.setCellSequence(i, seqs[i - 1]);
    const double bases[6] = {220, 200, 160, 140, 180, 210};
    m.NumPuntosFR = 6;
    for (int j = 1; j <= 6; ++j)
        m.PuntoFR[j] = {static_cast<float>(6000.0 * (j - 1) / 5), m.topForBase(bases[j - 1]), true};
    for (int j = 7; j <= 30; ++j)
        m.PuntoFR[j].Visible = false;
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    const vs::bench::ScreenshotSandbox sandbox(argc, argv);
    const QString& out = sandbox.out;
    vs::Preferences::instance().save("Opciones", "Gafas Mentales", "1");
    vs::glasses::RecordingLedPort port;
    vs::glasses::setLedPort(&port);
    vs::RecordingMessageService messages;

    // A first run beside the shipped default sessions.
    for (const QString& name : QDir(VS_RUNTIME_DIR).entryList({"*.vso", "*.mid"}, QDir::Files))
        QFile::copy(QString(VS_RUNTIME_DIR) + "/" + name, sandbox.path() + "/" + name);
    // The shipped MIDI files, or stand-ins of the same names where the build
    // has none yet: the first-run playlist lists them with their lengths.
    for (const auto& d : vs::library::kDefaultSongs) {
        QFile f(sandbox.path() + "/" + d.file);
        if (!f.exists() && f.open(QIODevice::WriteOnly)) f.write("MThd");
    }

    vs::shell::Dependencies deps;
    deps.messages = &messages;
    vs::shell::FrmSomnara w(nullptr, deps);
    w.show();
    w.sessions().pulsar(2); // the first default session, opened from the library
    vs::bench::pumpEvents(800);
    w.grab().save(out + "/main-window-library.png");
    // A WAV song of the user's joins the playlist and is chosen.
    const QString wav = sandbox.path() + "/Olas lentas.wav";
    QFile::copy(sandbox.path() + "/OndaM.wav", wav);
    w.music().library()->anadirFichero(wav.toStdString());
    vs::bench::pumpEvents(300);
    w.grab().save(out + "/main-window-playlist.png");
    w.sessions().pulsar(1);
    drawSession(w.model());
    w.model().setMinutos(0);
    w.model().setSegundos(20);
    w.ui().graph->EscribirTiempos();
    w.ui().graph->refresh();
    w.show();
    vs::bench::pumpEvents(800);
    w.grab().save(out + "/main-window.png");

    w.ui().cmdPlay->click();
    vs::bench::pumpEvents(9300);
    w.grab().save(out + "/main-window-playing.png");
    w.ui().cmdStop->click();

    // A climb into the 15-20 Hz band: those segments carry the warning edge.
    auto& m = w.model();
    m.FrecBinauralMax = 22;
    const double climb[10] = {8, 10, 12, 14, 16.5, 19, 21, 18, 13, 9};
    for (int i = 1; i <= 10; ++i)
        m.Punto[i].Top = m.topForBinaural(climb[i - 1]);
    m.notify();
    w.ui().graph->refresh();
    vs::bench::pumpEvents(300);
    w.grab().save(out + "/main-window-flash-warning.png");
    // A full-HD screen: everything grows with the window, nothing is cut.
    w.resize(1920, 1080);
    vs::bench::pumpEvents(500);
    w.grab().save(out + "/main-window-1920.png");
    w.model().SesionModificada = false;
    w.mnuArchivoSalir_Click();
    std::printf("wrote %s/main-window.png, main-window-playlist.png, main-window-playing.png, "
                "main-window-flash-warning.png and "
                "main-window-1920.png\n",
                qPrintable(out));
    return 0;
}
