// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a desktop expects of a program's window beyond its design: the
// program's own icon, and one key that plays or stops.
#include <QIcon>
#include <QList>
#include <QKeySequence>
#include <functional>

class QAbstractButton;
class QAction;

namespace vs::shell {

// The icon the desktop entry names, from the icon theme; where the theme has
// none (a build tree, a desktop without hicolor), the one built into the program.
QIcon programIcon();

// Ctrl+Space (plain Space stays a focused button's own) and the keyboard's
// media keys.
QList<QKeySequence> playStopKeys();

// `action` runs the Stop button's click while `playing()`, the Play
// button's otherwise, so it takes the very path a click takes.
void wirePlayStop(QAction& action, QAbstractButton& play, QAbstractButton& stop,
                  std::function<bool()> playing);

} // namespace vs::shell
