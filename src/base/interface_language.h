// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which language the interface speaks, and the translation hook for the layers
// below Qt. Spanish is the source text and the answer for every locale but
// English, so a missing or broken translation can never leave a blank text.
#include <initializer_list>
#include <string>
#include <string_view>

namespace vs {

enum class InterfaceLanguage { Spanish, English };

// Reads the variables as gettext does: the entries of LANGUAGE in order (the
// first Spanish or English one decides; others have no translation here),
// then the first set of LC_ALL, LC_MESSAGES and LANG. Null means unset.
InterfaceLanguage interfaceLanguageFrom(const char* language, const char* lcAll,
                                        const char* lcMessages, const char* lang);
// The same over this process's environment.
InterfaceLanguage interfaceLanguage();

// Plain C++ layers translate through this hook; the program and the renderer
// install one over Qt's translators at start. Without one the source text
// (Spanish) comes back unchanged. Install before any other thread starts.
using TranslateHook = std::string (*)(const char* context, const char* source);
void setTranslateHook(TranslateHook hook);
std::string translate(const char* context, const char* source);
// `text` with %1 to %9 replaced by `args` in order, in one pass (an argument
// holding "%2" stays as it is), so a translation may put them in its own
// order. A number with no argument is left as written.
std::string withArgs(std::string_view text, std::initializer_list<std::string_view> args);

} // namespace vs

// Marks a text of a static table for the translation tools without
// translating it there: the table keeps the Spanish source, and whoever shows
// an entry passes it through vs::translate with the same context.
#define VS_TRANSLATE_NOOP(context, source) source
