// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Desktop double: records what would have been handed to the default
// programs, so no browser, mail program or help viewer starts in a test.
#include "base/services.h"

#include <string>
#include <vector>

namespace vs {

class RecordingDesktopService : public DesktopService {
public:
    std::vector<std::string> files;
    std::vector<std::string> urls;
    void openFile(const std::string& path) override { files.push_back(path); }
    void openUrl(const std::string& url) override { urls.push_back(url); }
};

} // namespace vs
