// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options dialog's tool tips and the names screen readers give its
// controls, found by their names in the built dialog.
#include <QCoreApplication>

class QWidget;

namespace vs::glasses {
class LedPanel;
}

namespace vs::options {

class OptionsTexts {
    Q_DECLARE_TR_FUNCTIONS(OptionsTexts)
public:
    static void apply(QWidget& dialog, glasses::LedPanel& leds);
};

} // namespace vs::options
