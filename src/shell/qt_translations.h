// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The translators the program installs at start-up for the interface
// language. Qt's own texts (standard buttons, file dialogs, key names) come
// from Qt's catalogue in the system's translations folder; Spanish, the
// design's language, needs it, English is Qt's source and needs none.
#include "base/interface_language.h"

#include <QString>
#include <memory>

class QTranslator;

namespace vs::shell {

class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Replaces what an earlier call installed. False when a catalogue the
    // language needs is missing from `folder` (Qt then speaks English).
    bool load(InterfaceLanguage language, const QString& folder = systemFolder());
    static QString systemFolder();

private:
    std::unique_ptr<QTranslator> qt_;
};

} // namespace vs::shell
