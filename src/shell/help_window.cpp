// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vs::shell {

HelpWindow::HelpWindow(DesktopService& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window), desktop_(desktop), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmAyuda"));
    setWindowTitle(tr("Velorin Somnara - Ayuda"));
    browser_->setObjectName(QStringLiteral("txtAyuda"));
    // Qt would load a web page as if it were a chapter: every link comes here.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::follow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(760, 600);
}

void HelpWindow::showChapter(const QString& manualPath, const QString& chapter) {
    QUrl url = QUrl::fromLocalFile(manualPath);
    if (!chapter.isEmpty()) url.setFragment(chapter);
    browser_->setSource(url);
    // The same address again is not loaded again; the reader may have scrolled away.
    if (!chapter.isEmpty()) browser_->scrollToAnchor(chapter);
}

QString HelpWindow::chapter() const {
    return browser_->source().fragment();
}

void HelpWindow::follow(const QUrl& link) {
    const QUrl target = browser_->source().resolved(link);
    if (target.isLocalFile()) {
        browser_->setSource(target);
        return;
    }
    desktop_.openUrl(link.toString().toStdString());
}

} // namespace vs::shell
