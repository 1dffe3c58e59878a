// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's tool tips and the names screen readers give its controls.
#include <QCoreApplication>

namespace vs::shell {

struct MainWindowUi;

class MainWindowTexts {
    Q_DECLARE_TR_FUNCTIONS(MainWindowTexts)
public:
    static void apply(const MainWindowUi& ui);
};

} // namespace vs::shell
