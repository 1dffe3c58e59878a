// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/interface_language.h"

#include <gtest/gtest.h>

namespace vs {
namespace {

struct Case {
    const char *language, *lcAll, *lcMessages, *lang;
    InterfaceLanguage expected;
};

TEST(InterfaceLanguage, FollowsGettextsOrderAndDefaultsToSpanish) {
    const auto es = InterfaceLanguage::Spanish, en = InterfaceLanguage::English;
    const Case cases[] = {
        {nullptr, nullptr, nullptr, nullptr, es},
        {nullptr, nullptr, nullptr, "en_US.UTF-8", en},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", es},
        {nullptr, nullptr, nullptr, "eo.UTF-8", es},
        {nullptr, "es_ES.UTF-8", nullptr, "en_GB.UTF-8", es},
        {nullptr, "", "en_GB.UTF-8", "es_ES.UTF-8", en},
        {"fr:en", nullptr, nullptr, "fr_FR.UTF-8", en},
        {"es:en", nullptr, nullptr, "en_US.UTF-8", es},
        {"fr", nullptr, nullptr, "en_US.UTF-8", en},
        {"en", nullptr, nullptr, "C", es},
        {"en", nullptr, nullptr, nullptr, es},
        {"en@quot", nullptr, nullptr, "de_DE.UTF-8", en},
    };
    for (const Case& c : cases)
        EXPECT_EQ(interfaceLanguageFrom(c.language, c.lcAll, c.lcMessages, c.lang), c.expected)
            << (c.language ? c.language : "-") << " / " << (c.lang ? c.lang : "-");
}

TEST(InterfaceLanguage, WithoutAHookTheSourceTextComesBack) {
    EXPECT_EQ(translate("Ctx", "Correcto"), "Correcto");
    setTranslateHook([](const char*, const char*) { return std::string("Passed"); });
    EXPECT_EQ(translate("Ctx", "Correcto"), "Passed");
    setTranslateHook(nullptr);
}

TEST(InterfaceLanguage, WithArgsFillsEachNumberOnceInAnyOrder) {
    const struct {
        const char *text, *expected;
    } cases[] = {
        {"%1 de %2", "3 de 10"},
        {"%2 of %1", "10 of 3"},
        {"%1%1 100%", "33 100%"},
        {"%3 y %0", "%3 y %0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withArgs(c.text, {"3", "10"}), c.expected) << c.text;
    EXPECT_EQ(withArgs("«%1» y %2", {"%2", "x"}), "«%2» y x");
}

} // namespace
} // namespace vs
