// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/interface_language.h"

#include <cstdlib>
#include <string_view>

namespace vs {
namespace {

// "en", "en_GB.UTF-8", "en@quot"; not "eo" nor "enx".
bool names(std::string_view entry, std::string_view code) {
    if (entry.substr(0, code.size()) != code) return false;
    return entry.size() == code.size() || entry[code.size()] == '_' ||
           entry[code.size()] == '.' || entry[code.size()] == '@';
}

bool set(const char* v) { return v && *v; }

TranslateHook hook_ = nullptr;

} // namespace

InterfaceLanguage interfaceLanguageFrom(const char* language, const char* lcAll,
                                        const char* lcMessages, const char* lang) {
    const char* locale = set(lcAll) ? lcAll : set(lcMessages) ? lcMessages : lang;
    const std::string_view localeName = set(locale) ? locale : "C";
    // gettext ignores LANGUAGE under the C locale, and so do we.
    if (set(language) && localeName != "C" && localeName != "POSIX") {
        std::string_view list = language;
        while (!list.empty()) {
            const auto colon = list.find(':');
            const std::string_view entry = list.substr(0, colon);
            if (names(entry, "es")) return InterfaceLanguage::Spanish;
            if (names(entry, "en")) return InterfaceLanguage::English;
            if (colon == std::string_view::npos) break;
            list.remove_prefix(colon + 1);
        }
    }
    return names(localeName, "en") ? InterfaceLanguage::English : InterfaceLanguage::Spanish;
}

InterfaceLanguage interfaceLanguage() {
    return interfaceLanguageFrom(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                                 std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

void setTranslateHook(TranslateHook hook) { hook_ = hook; }

std::string translate(const char* context, const char* source) {
    return hook_ ? hook_(context, source) : std::string(source);
}

std::string withArgs(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? std::size_t(text[i + 1] - '1') : args.size();
        if (text[i] == '%' && n < args.size() && n < 9) {
            out += args.begin()[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace vs
