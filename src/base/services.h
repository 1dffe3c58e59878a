// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Seams for every modal interaction. The program installs Qt-backed services at
// start-up; tests install recorders, so no test ever waits on a window.
#include <string>
#include <vector>

namespace vs {

class MessageService {
public:
    virtual ~MessageService() = default;
    // Critical-stop icon, OK button, title "Velorin Somnara".
    virtual void critical(const std::string& text) = 0;
    // Information icon, OK button.
    virtual void information(const std::string& text) = 0;
    // Question icon, Yes/No buttons; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;
    // Yes/No with no icon and the toolkit's default title (the program's
    // name): the one question the design asks that way.
    virtual bool askPlainYesNo(const std::string& text) { return askYesNo(text); }
};

struct FileFilter {
    std::string description;           // "Sesiones (*.vso)"
    std::vector<std::string> patterns; // {"*.vso"}
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // Empty result: the user cancelled.
    virtual std::string openFile(const std::string& title, const std::string& folder,
                                 const std::vector<FileFilter>& filters) = 0;
    virtual std::string saveFile(const std::string& title, const std::string& suggested,
                                 const std::vector<FileFilter>& filters) = 0;
};

// Hands a document, web address or mail link to the desktop's default program.
// Failures of the desktop are not reported: nothing waits on the program started.
class DesktopService {
public:
    virtual ~DesktopService() = default;
    virtual void openFile(const std::string& path) = 0;
    virtual void openUrl(const std::string& url) = 0;
};

// Process-wide services, used from the UI thread only. Before anything is
// installed a silent service answers "No" and shows nothing.
MessageService& messages();
void setMessageService(MessageService* service); // nullptr restores the silent one
FileDialogService& fileDialogs();
void setFileDialogService(FileDialogService* service);
// The one that answers every dialog as cancelled (what fileDialogs() is
// before anything is installed); any thread, it holds nothing.
FileDialogService& cancelledFileDialogs();

} // namespace vs
