// SPDX-License-Identifier: GPL-3.0-or-later
// Repaint cost of the graph while a point of a 30-point session is dragged,
// with the group filling a 1920x1080 window. Each frame is one pointer move
// (the editor's work) followed by a full paint of the graph into an image.
// Usage: graph_repaint_bench [frames]
#include "bench_session.h"

#include "glasses/sequences.h"
#include "session/graph_frame.h"
#include "session/graph_view.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

using namespace vs::session;
using Clock = std::chrono::steady_clock;
using bench::threadCpuMs;

static void send(QWidget* w, QEvent::Type type, QPointF pos, Qt::MouseButton button,
                 Qt::MouseButtons buttons) {
    QMouseEvent e(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

static void report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms)
        sum += v;
    std::printf("%-34s mean %.3f ms  median %.3f ms  p95 %.3f ms  max %.3f ms\n", what,
                sum / ms.size(), ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back());
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int frames = argc > 1 ? std::max(10, std::atoi(argv[1])) : 600;
    bench::privatePreferences();

    SessionModel m;
    bench::fillSession(m, 30, 30);
    GraphFrame frame(m);
    frame.setSequencePalette(vs::glasses::colorOf); // the strip paints as in the program
    frame.resize(1920, 1080);
    frame.show();
    QApplication::processEvents();
    GraphView* g = frame.graphView();
    std::printf("graph %dx%d px, %.3f units/px, scale %.2f, %d+%d points\n", g->width(),
                g->height(), g->unitsPerPixel(), frame.scale(), int{m.NumPuntos},
                int{m.NumPuntosFR});

    QImage image(g->size() * g->devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
    const int held = 15;
    const float k = m.MedioPunto;
    const float upp = g->unitsPerPixel();
    QPointF at((m.Punto[held].Left + k) / upp, (m.Punto[held].Top + k) / upp);
    send(g, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    if (!g->dragging()) {
        std::printf("could not pick up point %d\n", held);
        return 1;
    }

    std::vector<double> paintOnly, moveAndPaint, paintCpu;
    for (int i = 0; i < frames + 20; ++i) {
        const QPointF p = at + QPointF(25 * std::sin(i * 0.1), 120 * std::sin(i * 0.07));
        auto t0 = Clock::now();
        send(g, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
        auto t1 = Clock::now();
        const double c1 = threadCpuMs();
        {
            QPainter painter(&image);
            g->paintGraph(painter);
        }
        auto t2 = Clock::now();
        const double c2 = threadCpuMs();
        if (i < 20) continue; // warm-up: glyph caches, first allocations
        paintOnly.push_back(std::chrono::duration<double, std::milli>(t2 - t1).count());
        moveAndPaint.push_back(std::chrono::duration<double, std::milli>(t2 - t0).count());
        paintCpu.push_back(c2 - c1);
    }
    send(g, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);

    // The whole group as the screen would get it, for comparison.
    std::vector<double> grabs;
    for (int i = 0; i < 50; ++i) {
        auto t0 = Clock::now();
        QPixmap pm = frame.grab();
        grabs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    std::printf("%d frames\n", frames);
    report("graph paint per frame", paintOnly);
    report("pointer move + graph paint", moveAndPaint);
    report("graph paint, thread CPU time", paintCpu);
    report("whole group grab (1920x1080)", grabs);
    return 0;
}
