// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a person uses it with glasses on a USB board, a
// pseudo-terminal standing in for the board: the options dialog's glasses
// tab lists it, it is chosen there with the light in the sound, "Aceptar",
// Play, Stop. Prints what reached the board and writes pictures of the tab
// (and of its open port list) into the folder given.
//   xvfb-run -a build/bench/shell/serial_glasses_demo docs/
#include "audio/bass.h"
#include "audio/engine.h"
#include "base/paths.h"
#include "base/preferences.h"
#include "controls/boton_gradiente.h"
#include "options/frm_opciones.h"
#include "session/session_model.h"
#include "shell/main_window.h"

#include "pseudo_terminal.h"
#include "recording_messages.h"
#include "screenshot_sandbox.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

std::vector<vs::test::PseudoTerminal::Arrival> arrived;

void wait(vs::test::PseudoTerminal& board, int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        const auto more = board.read(std::chrono::milliseconds(2));
        arrived.insert(arrived.end(), more.begin(), more.end());
    }
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    vs::test::PseudoTerminal board;
    if (!board.ok()) return 1;
    const vs::bench::ScreenshotSandbox sandbox(argc, argv);
    const QString& out = sandbox.out;
    vs::Preferences::instance().save("Opciones", "Gafas Mentales", "1");
    vs::RecordingMessageService messages;

    vs::shell::Dependencies deps;
    deps.messages = &messages;
    // A board's stable name beside the pseudo-terminal, as a machine with
    // a real board plugged in would list it.
    deps.serialDevices = [&] {
        return std::vector<std::string>{
            "/dev/serial/by-id/usb-Arduino__www.arduino.cc__0043_7573530323935160B1D1-if00",
            board.slavePath()};
    };
    deps.runOptions = [&](const vs::options::OptionsContext& c, QWidget* owner) {
        vs::options::frmOpciones d(c, owner);
        d.show();
        d.findChild<QTabWidget*>("SSTab1")->setCurrentIndex(4);
        auto* ports = d.findChild<QComboBox*>("cmbPuertoParalelo");
        ports->setCurrentIndex(ports->findText(QString::fromStdString(board.slavePath())));
        d.findChild<QCheckBox*>("chkLuzEnAudio")->setChecked(true);
        wait(board, 400);
        d.grab().save(out + "/options-gafas-serie.png");
        ports->showPopup();
        wait(board, 400);
        ports->view()->window()->grab().save(out + "/options-gafas-serie-lista.png");
        ports->hidePopup();
        d.findChild<QAbstractButton*>("cmdAceptar")->click();
    };
    vs::shell::FrmSomnara w(nullptr, deps);
    w.show();
    wait(board, 500);
    w.ui().mnuArchivoOpciones->trigger();
    std::printf("chosen: %s, light in the sound: %s\n",
                vs::Preferences::instance().get("Opciones", "Puerto Serie", "?").c_str(),
                vs::audio::processEngine().lightSignal() ? "on" : "off");
    arrived.clear();
    w.ui().cmdPlay->click();
    wait(board, 3000);
    w.ui().cmdStop->click();
    wait(board, 300);

    std::printf("%zu bytes reached the board:", arrived.size());
    for (const auto& a : arrived)
        std::printf(" %d", a.byte);
    std::vector<double> gaps;
    for (std::size_t i = 2; i + 1 < arrived.size(); ++i)
        gaps.push_back(
            std::chrono::duration<double, std::milli>(arrived[i].when - arrived[i - 1].when)
                .count());
    std::sort(gaps.begin(), gaps.end());
    if (!gaps.empty())
        std::printf("\nsteps: median %.1f ms (1000 / 7.21 = 138.7), min %.1f, max %.1f\n",
                    gaps[gaps.size() / 2], gaps.front(), gaps.back());
    for (const auto& m : messages.entries)
        std::printf("message: %s\n", m.text.c_str());
    w.model().SesionModificada = false;
    w.mnuArchivoSalir_Click();
    return arrived.empty() || arrived.back().byte != 0 ? 1 : 0;
}
