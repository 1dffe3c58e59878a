// SPDX-License-Identifier: GPL-3.0-or-later
#include "help.h"

#include "base/paths.h"

#include <utility>

namespace vs::shell {

std::string manualFile(const std::string& folder, InterfaceLanguage language) {
    if (language == InterfaceLanguage::English) {
        const std::string english = joinPath(folder, kEnglishManualFile);
        if (fileExists(english)) return english;
    }
    const std::string spanish = joinPath(folder, kManualFile);
    return fileExists(spanish) ? spanish : std::string();
}

std::string helpChapter(std::string_view objectName, std::string_view className) {
    // Both manuals carry these anchors; the names are the windows' own.
    static constexpr std::pair<std::string_view, std::string_view> kChapters[] = {
        {"frmSomnara", "ventana"},
        {"frmOpciones", "opciones"},
        {"frmInformeVerificacion", "informe"},
        {"frmAuriculares", "auriculares"},
        {"frmAbout", "acerca"},
        {"frmSecuencia", "secuencias"},
        {"frmProgresoExportar", "informe"},
    };
    if (const auto colon = className.rfind(':'); colon != std::string_view::npos)
        className.remove_prefix(colon + 1);
    for (const auto& [window, chapter] : kChapters)
        if (window == objectName || window == className) return std::string(chapter);
    return {};
}

} // namespace vs::shell
