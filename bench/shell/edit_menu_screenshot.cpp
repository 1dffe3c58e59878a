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

namespace {

void wait(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(out);
    QTemporaryDir tmp;
    vs::overrideFolders(tmp.path().toStdString(), tmp.path().toStdString(),
                        tmp.path().toStdString());
    vs::Preferences::setInstanceFile((tmp.path() + "/prefs.ini").toStdString());
    vs::glasses::RecordingLedPort port;
    vs::glasses::setLedPort(&port);
    vs::RecordingMessageService messages;

    vs::shell::Dependencies deps;
    deps.messages = &messages;
    vs::shell::FrmSomnara w(nullptr, deps);
    w.show();
    wait(500);
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
    wait(300);

    auto* menu = w.findChild<QMenu*>("mnuEdicion");
    w.menuBar()->setActiveAction(menu->menuAction());
    wait(500);
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
