// SPDX-License-Identifier: GPL-3.0-or-later
// Lights an indicator on the first tick of a timer; exits 0 once it is lit.
#include <lumidot.h>
#include <tickora.h>

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Lumidot led;
    TickoraCls timer;
    QObject::connect(&timer, &TickoraCls::Timer, &app, [&] {
        led.setLit(true);
        app.exit(led.Lit() ? 0 : 1);
    });
    timer.setInterval(5);
    timer.setEnabled(true);
    QTimer::singleShot(60000, &app, [&] { app.exit(2); });
    return app.exec();
}
