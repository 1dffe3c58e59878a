// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader says a control is, and what the pointer shows over it.
#include <QString>
#include <QWidget>

namespace vs::controls {

inline void describe(QWidget& control, const QString& name, const QString& tip) {
    control.setAccessibleName(name);
    control.setToolTip(tip);
}

} // namespace vs::controls
