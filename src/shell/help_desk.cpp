// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_desk.h"

#include "base/interface_language.h"
#include "help.h"
#include "help_window.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace vs::shell {
namespace {

QString chapterOf(QWidget* widget, const QWidget* helpWindow) {
    for (QWidget* w = widget; w && w != helpWindow; w = w->parentWidget()) {
        const std::string chapter =
            helpChapter(w->objectName().toStdString(), w->metaObject()->className());
        if (!chapter.empty()) return QString::fromStdString(chapter);
    }
    return {};
}

} // namespace

HelpDesk::HelpDesk(std::function<std::string()> folder, MessageService& messages,
                   DesktopService& desktop, QWidget* mainWindow)
    : QObject(mainWindow), folder_(std::move(folder)), messages_(messages), desktop_(desktop),
      mainWindow_(mainWindow) {
    qApp->installEventFilter(this);
}

HelpDesk::~HelpDesk() {
    if (qApp) qApp->removeEventFilter(this);
}

void HelpDesk::showFor(QWidget* window) {
    const std::string path = manualFile(folder_(), interfaceLanguage());
    if (path.empty()) {
        messages_.information(translate("HelpDesk", kNoHelpMessage));
        return;
    }
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) owner = mainWindow_;
    // F1 in the help window itself keeps the page being read.
    const bool reading = window_ && window == window_;
    if (window_ && window_->parentWidget() != owner) window_->setParent(owner, Qt::Window);
    if (!window_) window_ = new HelpWindow(desktop_, owner);
    if (!reading) window_->showChapter(QString::fromStdString(path), chapterOf(window, window_));
    window_->show();
    window_->raise();
    window_->activateWindow();
}

bool HelpDesk::eventFilter(QObject* watched, QEvent* event) {
    // Outside a modal dialog the menu entry's own F1 answers.
    if (event->type() == QEvent::KeyPress && QApplication::activeModalWidget() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        auto* widget = qobject_cast<QWidget*>(watched);
        showFor(widget ? widget->window() : QApplication::activeModalWidget());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vs::shell
