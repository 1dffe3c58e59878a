// SPDX-License-Identifier: GPL-3.0-or-later
#include "services.h"

#include <algorithm>

namespace vs {
namespace {

class SilentMessages : public MessageService {
public:
    void critical(const std::string&) override {}
    void information(const std::string&) override {}
    bool askYesNo(const std::string&) override { return false; }
};

class NoFileDialogs : public FileDialogService {
public:
    std::string openFile(const std::string&, const std::string&,
                         const std::vector<FileFilter>&) override {
        return {};
    }
    std::string saveFile(const std::string&, const std::string&,
                         const std::vector<FileFilter>&) override {
        return {};
    }
};

SilentMessages silentMessages;
NoFileDialogs noFileDialogs;
MessageService* currentMessages = &silentMessages;
FileDialogService* currentDialogs = &noFileDialogs;

} // namespace

MessageService& messages() {
    return *currentMessages;
}
void setMessageService(MessageService* s) {
    currentMessages = s ? s : &silentMessages;
}
FileDialogService& cancelledFileDialogs() {
    return noFileDialogs;
}
FileDialogService& fileDialogs() {
    return *currentDialogs;
}
void setFileDialogService(FileDialogService* s) {
    currentDialogs = s ? s : &noFileDialogs;
}

} // namespace vs
