// SPDX-License-Identifier: GPL-3.0-or-later
#include "help.h"

#include "base/paths.h"

namespace vs::shell {

std::string helpFile(const std::string& folder) {
    for (const char* name : kHelpFiles) {
        const std::string path = joinPath(folder, name);
        if (fileExists(path)) return path;
    }
    return {};
}

void AyudaContenido(const std::string& folder, MessageService& messages, DesktopService& desktop) {
    const std::string path = helpFile(folder);
    if (path.empty())
        messages.information(kNoHelpMessage);
    else
        desktop.openFile(path);
}

} // namespace vs::shell
