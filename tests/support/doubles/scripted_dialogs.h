// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File-dialog double: answers from a script and remembers what was asked, so
// no test ever waits on a dialog.
#include "base/services.h"

#include <string>
#include <vector>

namespace vs {

class ScriptedFileDialogs : public FileDialogService {
public:
    std::vector<std::string> answers; // consumed front to back, then `answer`
    std::string answer;               // "" is a cancel
    int asked = 0;
    std::vector<std::string> suggested; // the names proposed by save dialogs
    std::vector<FileFilter> filters;    // of the last dialog

    std::string openFile(const std::string&, const std::string&,
                         const std::vector<FileFilter>& f) override {
        return next(f);
    }
    std::string saveFile(const std::string&, const std::string& name,
                         const std::vector<FileFilter>& f) override {
        suggested.push_back(name);
        return next(f);
    }

private:
    std::string next(const std::vector<FileFilter>& f) {
        ++asked;
        filters = f;
        if (answers.empty()) return answer;
        std::string a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
};

} // namespace vs
