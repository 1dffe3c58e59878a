// SPDX-License-Identifier: GPL-3.0-or-later
// Documentation screenshot of the open "Edición" menu after a few edits of
// the default session, one of them undone, so both entries name their step.
// The menu is its own popup window: it is painted onto the window's picture
// where it stands on the screen.
//   xvfb-run -a build/bench/shell/edit_menu_screenshot docs/
#include "base/paths.h"
#include "base/preferences.h"
#include "base/services.h"
#include "glasses/led_port.h"
#include "session/graph_frame.h"
#include "session/graph_view.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "recording_led_port.h"
#include "recording_messages.h"
#include "screenshot_sandbox.h"

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    const vs::bench::ScreenshotSandbox sandbox(argc, argv);
    const QString& out = sandbox.out;
    vs::glasses::RecordingLedPort port;
    vs::glasses::setLedPort(&port);
    vs::RecordingMessageService messages;

    vs::shell::Dependencies deps;
    deps.messages = &messages;
    vs::shell::FrmSomnara w(nullptr, deps);
    w.show();
    vs::bench::pumpEvents(500);
    auto* frame = w.ui().graph;
    auto* graph = frame->graphView();
    auto at = [&](float left, float top) {
        return QPoint(static_cast<int>(left * frame->scaleX() / 15),
                      static_cast<int>(top * frame->scaleY() / 15));
    };
    QTest::mouseClick(graph, Qt::LeftButton, {}, at(2000, 500));
    QTest::mouseClick(graph, Qt::LeftButton, {}, at(4000, 1500));
    QTest::mouseClick(graph, Qt::LeftButton, Qt::ShiftModifier, at(3000, 1800));
    frame->scrollMinutos()->setValue(5);
    w.ui().mnuEdicionDeshacer->trigger();
    vs::bench::pumpEvents(300);

    auto* menu = w.findChild<QMenu*>("mnuEdicion");
    w.menuBar()->setActiveAction(menu->menuAction());
    vs::bench::pumpEvents(500);
    QPixmap picture = w.grab();
    {
        QPainter p(&picture);
        p.drawPixmap(w.mapFromGlobal(menu->pos()), menu->grab());
    }
    picture.save(out + "/edit-menu.png");
    menu->close();
    w.model().SesionModificada = false;
    w.mnuArchivoSalir_Click();
    std::printf("wrote %s/edit-menu.png\n", qPrintable(out));
    return 0;
}
