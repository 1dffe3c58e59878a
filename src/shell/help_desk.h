// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where help is asked for: the menu entry, and F1 in any window of the
// program, a modal dialog included (its input would block a window of the
// main one's, so the manual opens as the dialog's own window there).
#include "base/services.h"
#include "help_window.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <string>

class QWidget;

namespace vs::shell {

class HelpDesk : public QObject {
    Q_OBJECT
public:
    // folder: where the manual is looked for at each request.
    HelpDesk(std::function<std::string()> folder, MessageService& messages, DesktopService& desktop,
             QWidget* mainWindow);
    ~HelpDesk() override;

    // Opens the manual on the chapter of the given window (or of the window
    // it belongs to), or says that there is no manual.
    void showFor(QWidget* window);
    // The window last opened, while it stands.
    HelpWindow* window() const { return window_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<std::string()> folder_;
    MessageService& messages_;
    DesktopService& desktop_;
    QWidget* mainWindow_;
    QPointer<HelpWindow> window_;
};

} // namespace vs::shell
