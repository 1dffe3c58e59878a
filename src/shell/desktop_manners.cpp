// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop_manners.h"

#include <QAbstractButton>
#include <QAction>

// Outside any namespace, as the resource's initialiser is declared there; a
// static library's resources are otherwise dropped by the linker.
static void initProgramIconResource() {
    Q_INIT_RESOURCE(program_icon);
}

namespace vs::shell {

QIcon programIcon() {
    initProgramIconResource();
    QIcon builtIn;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        builtIn.addFile(QStringLiteral(":/icons/%1x%1/velorin-somnara.png").arg(side),
                        QSize(side, side));
    return QIcon::fromTheme(QStringLiteral("velorin-somnara"), builtIn);
}

QList<QKeySequence> playStopKeys() {
    return {QKeySequence(Qt::CTRL | Qt::Key_Space), QKeySequence(Qt::Key_MediaTogglePlayPause),
            QKeySequence(Qt::Key_MediaPlay)};
}

void wirePlayStop(QAction& action, QAbstractButton& play, QAbstractButton& stop,
                  std::function<bool()> playing) {
    action.setShortcuts(playStopKeys());
    QObject::connect(&action, &QAction::triggered, &play,
                     [&play, &stop, playing = std::move(playing)] {
                         if (playing())
                             stop.click();
                         else
                             play.click();
                     });
}

} // namespace vs::shell
