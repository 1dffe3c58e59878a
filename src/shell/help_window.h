// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The manual shown in a window of the program itself, so help opens on a
// desktop with no browser. Links inside the manual stay in the window; a web
// or mail link goes to the desktop only when the user clicks it.
#include "base/services.h"

#include <QString>
#include <QWidget>

class QTextBrowser;
class QUrl;

namespace vs::shell {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(DesktopService& desktop, QWidget* parent = nullptr);

    // Shows the manual at the chapter's anchor ("" for its start).
    void showChapter(const QString& manualPath, const QString& chapter);
    // The anchor shown last ("" at the start of the manual).
    QString chapter() const;
    QTextBrowser* browser() const { return browser_; }

private:
    void follow(const QUrl& link);

    DesktopService& desktop_;
    QTextBrowser* browser_;
};

} // namespace vs::shell
