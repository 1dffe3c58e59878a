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
FileDialogService& fileDialogs() {
    return *currentDialogs;
}
void setFileDialogService(FileDialogService* s) {
    currentDialogs = s ? s : &noFileDialogs;
}

bool RecordingMessageService::askYesNo(const std::string& text) {
    entries.push_back({Entry::Question, text});
    if (answers.empty()) return false;
    bool a = answers.front();
    answers.erase(answers.begin());
    return a;
}

int RecordingMessageService::count(Entry::Kind kind) const {
    return static_cast<int>(std::count_if(entries.begin(), entries.end(),
                                          [&](const Entry& e) { return e.kind == kind; }));
}

bool RecordingMessageService::saw(const std::string& text) const {
    return std::any_of(entries.begin(), entries.end(),
                       [&](const Entry& e) { return e.text == text; });
}

} // namespace vs
