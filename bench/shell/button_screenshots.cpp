// SPDX-License-Identifier: GPL-3.0-or-later
// Documentation screenshots of the gradient buttons: the main window at its
// opening size, its transport frame with Play normal, hovered and pressed, and
// the about box. Uses a throw-away preference store and no glasses port.
//   xvfb-run -a build/bench/shell/button_screenshots docs/
#include "base/paths.h"
#include "base/preferences.h"
#include "controls/boton_gradiente.h"
#include "glasses/led_port.h"
#include "shell/frm_about.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>
#include "recording_desktop.h"
#include "recording_led_port.h"
#include "recording_messages.h"
#include "screenshot_sandbox.h"

namespace {

void send(vs::controls::BotonGradiente& b, QEvent::Type type, Qt::MouseButton button) {
    const QPointF at(b.width() / 2.0, b.height() / 2.0);
    QMouseEvent e(type, at, b.mapToGlobal(at), button,
                  type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(&b, &e);
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    const vs::bench::ScreenshotSandbox sandbox(argc, argv);
    const QString& out = sandbox.out;
    vs::glasses::RecordingLedPort port;
    vs::glasses::setLedPort(&port);
    vs::RecordingMessageService messages;
    vs::RecordingDesktopService desktop;

    vs::shell::Dependencies deps;
    deps.messages = &messages;
    deps.desktop = &desktop;
    vs::shell::FrmSomnara w(nullptr, deps);
    w.show();
    vs::bench::pumpEvents(600);
    w.grab().save(out + "/main-window-buttons.png");

    // The transport frame in its three looks, side by side.
    auto& play = *w.ui().cmdPlay;
    QWidget* frame = play.parentWidget();
    QList<QPixmap> shots{frame->grab()};
    play.setPointerSource([&play] { return play.mapToGlobal(play.rect().center()); });
    const QPointF centre(play.width() / 2.0, play.height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, centre, play.mapToGlobal(centre), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&play, &move);
    vs::bench::pumpEvents(100);
    shots << frame->grab();
    send(play, QEvent::MouseButtonPress, Qt::LeftButton);
    vs::bench::pumpEvents(100);
    shots << frame->grab();
    // Let go off the button so nothing plays.
    play.setPointerSource([] { return QPoint(-1000, -1000); });
    QMouseEvent off(QEvent::MouseButtonRelease, QPointF(-50, -50),
                    play.mapToGlobal(QPointF(-50, -50)), Qt::LeftButton, Qt::NoButton,
                    Qt::NoModifier);
    QApplication::sendEvent(&play, &off);

    const int gap = 12;
    QPixmap strip(shots[0].width() * 3 + gap * 2, shots[0].height());
    strip.fill(Qt::white);
    QPainter p(&strip);
    for (int i = 0; i < 3; ++i)
        p.drawPixmap(i * (shots[0].width() + gap), 0, shots[i]);
    p.end();
    strip.save(out + "/buttons-normal-hover-pressed.png");

    vs::shell::frmAbout about(desktop, &w);
    about.show();
    vs::bench::pumpEvents(300);
    about.grab().save(out + "/about-box.png");
    about.close();

    w.mnuArchivoSalir_Click();
    std::printf(
        "wrote %s/main-window-buttons.png, buttons-normal-hover-pressed.png, about-box.png\n",
        qPrintable(out));
    return 0;
}
