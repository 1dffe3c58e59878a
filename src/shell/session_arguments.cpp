// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_arguments.h"

#include "base/paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace vs::shell {

namespace {

bool endsWithVso(const std::string& s) {
    if (s.size() < 4) return false;
    std::string tail = s.substr(s.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail == ".vso";
}

} // namespace

std::vector<std::string> sessionFilesFromArguments(const std::vector<std::string>& arguments) {
    std::vector<std::string> files;
    for (const std::string& a : arguments) {
        if (!endsWithVso(a) || !fileExists(a)) continue;
        std::error_code ec;
        // Relative paths would point elsewhere once the list is read again
        // from another working folder.
        fs::path full = fs::weakly_canonical(fs::absolute(a, ec), ec);
        if (ec) continue;
        const std::string path = full.string();
        if (std::find(files.begin(), files.end(), path) == files.end()) files.push_back(path);
    }
    return files;
}

} // namespace vs::shell
