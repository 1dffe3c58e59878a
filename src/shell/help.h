// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The manual shipped beside the program, which translation of it to show, and
// which of its chapters belongs to a window.
#include "base/interface_language.h"

#include <string>
#include <string_view>

namespace vs::shell {

inline constexpr const char* kManualFile = "Ayuda_VSO.html";
inline constexpr const char* kEnglishManualFile = "Ayuda_VSO.en.html";
inline constexpr const char* kNoHelpMessage =
    VS_TRANSLATE_NOOP("HelpDesk", "No se encuentra el fichero de ayuda");

// The manual in the interface's language; the Spanish one when there is no
// translation, "" when there is no manual at all.
std::string manualFile(const std::string& folder, InterfaceLanguage language);

// The manual's anchor for a window, by its object name or its class name
// (namespaces dropped); "" for a window the manual has no chapter for.
std::string helpChapter(std::string_view objectName, std::string_view className);

} // namespace vs::shell
