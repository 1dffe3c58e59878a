// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon at the fixed sizes of the icon theme, from the about
// box's own picture (tools/make_icon.py draws the same picture as SVG):
//   build/bench/shell/icon_pngs packaging/icons
// writes FOLDER/NxN/velorin-somnara.png.
#include "shell/frm_about.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = folder + QStringLiteral("/%1x%1").arg(side);
        QDir().mkpath(dir);
        const QString file = dir + QStringLiteral("/velorin-somnara.png");
        if (!vs::shell::aboutPicture(side).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
