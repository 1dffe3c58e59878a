// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real message boxes, file dialogs and desktop, owned by the main window.
#include "base/services.h"

class QWidget;

namespace vs::shell {

class QtMessageService : public MessageService {
public:
    explicit QtMessageService(QWidget* owner) : owner_(owner) {}
    void critical(const std::string& text) override;
    void information(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    bool askPlainYesNo(const std::string& text) override;

private:
    QWidget* owner_;
};

class QtFileDialogService : public FileDialogService {
public:
    explicit QtFileDialogService(QWidget* owner) : owner_(owner) {}
    std::string openFile(const std::string& title, const std::string& folder,
                         const std::vector<FileFilter>& filters) override;
    std::string saveFile(const std::string& title, const std::string& suggested,
                         const std::vector<FileFilter>& filters) override;

private:
    QWidget* owner_;
};

// QDesktopServices: files by their local URL, addresses and mail links as written.
class QtDesktopService : public DesktopService {
public:
    void openFile(const std::string& path) override;
    void openUrl(const std::string& url) override;
};

} // namespace vs::shell
