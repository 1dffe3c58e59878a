// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording_messages.h"

#include <algorithm>

namespace vs {

bool RecordingMessageService::answer(Entry::Kind kind, const std::string& text) {
    entries.push_back({kind, text});
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
