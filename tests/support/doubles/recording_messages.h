// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message service double: records every message and answers questions from a
// script, so no test ever waits on a message box.
#include "base/services.h"

#include <string>
#include <vector>

namespace vs {

class RecordingMessageService : public MessageService {
public:
    struct Entry {
        enum Kind { Critical, Information, Question, PlainQuestion } kind;
        std::string text;
    };
    std::vector<Entry> entries;
    std::vector<bool> answers; // consumed front to back; "No" once empty

    void critical(const std::string& text) override { entries.push_back({Entry::Critical, text}); }
    void information(const std::string& text) override {
        entries.push_back({Entry::Information, text});
    }
    bool askYesNo(const std::string& text) override { return answer(Entry::Question, text); }
    bool askPlainYesNo(const std::string& text) override {
        return answer(Entry::PlainQuestion, text);
    }
    int count(Entry::Kind kind) const;
    bool saw(const std::string& text) const;

private:
    bool answer(Entry::Kind kind, const std::string& text);
};

// Installs a service as the process-wide one for a test's scope.
class ScopedMessageService {
public:
    explicit ScopedMessageService(MessageService& s) { setMessageService(&s); }
    ~ScopedMessageService() { setMessageService(nullptr); }
    ScopedMessageService(const ScopedMessageService&) = delete;
    ScopedMessageService& operator=(const ScopedMessageService&) = delete;
};

} // namespace vs
