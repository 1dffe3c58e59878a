// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's and the renderer's own texts in the interface language: our
// compiled English translation loaded through Qt, and the translation hook of
// the layers below Qt pointed at it. Needs Qt Core.
#include "base/interface_language.h"

#include <string>

namespace vs {

// The file of our English translation, in translationsFolder().
inline constexpr const char* kEnglishTranslationFile = "velorin-somnara_en.qm";

// Call once, before any other thread starts. With English, loads
// kEnglishTranslationFile from `folder`; with Spanish (the source text) there
// is nothing to load. With a QCoreApplication the translation joins the
// application's translators and the hook asks QCoreApplication::translate,
// so translators installed later (Qt's own) are seen too; without one (the
// renderer keeps the C locale a Qt application would replace) the hook reads
// the translation directly. False when the English file could not be loaded:
// the interface then stays Spanish.
bool installInterfaceTranslation(InterfaceLanguage language, const std::string& folder);

} // namespace vs
