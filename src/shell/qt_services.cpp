// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_services.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>

namespace vs::shell {
namespace {

const QString kTitle = QStringLiteral("Velorin Somnara");

QString filterText(const std::vector<FileFilter>& filters) {
    QStringList parts;
    for (const auto& f : filters) {
        QStringList pats;
        for (const auto& p : f.patterns)
            pats << QString::fromStdString(p);
        parts << QString::fromStdString(f.description) + " (" + pats.join(' ') + ")";
    }
    return parts.join(";;");
}

} // namespace

void QtMessageService::critical(const std::string& text) {
    QMessageBox::critical(owner_, kTitle, QString::fromStdString(text), QMessageBox::Ok);
}

void QtMessageService::information(const std::string& text) {
    QMessageBox::information(owner_, kTitle, QString::fromStdString(text), QMessageBox::Ok);
}

bool QtMessageService::askYesNo(const std::string& text) {
    return QMessageBox::question(owner_, kTitle, QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtMessageService::askPlainYesNo(const std::string& text) {
    // An empty title shows the application's name.
    QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, owner_);
    return box.exec() == QMessageBox::Yes;
}

std::string QtFileDialogService::openFile(const std::string& title, const std::string& folder,
                                          const std::vector<FileFilter>& filters) {
    return QFileDialog::getOpenFileName(owner_, QString::fromStdString(title),
                                        QString::fromStdString(folder), filterText(filters))
        .toStdString();
}

std::string QtFileDialogService::saveFile(const std::string& title, const std::string& suggested,
                                          const std::vector<FileFilter>& filters) {
    return QFileDialog::getSaveFileName(owner_, QString::fromStdString(title),
                                        QString::fromStdString(suggested), filterText(filters))
        .toStdString();
}

void QtDesktopService::openFile(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void QtDesktopService::openUrl(const std::string& url) {
    // Tolerant parsing: the mail link's subject holds a space.
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::TolerantMode));
}

} // namespace vs::shell
