// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vs::shell {

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations() {
    if (qt_) QCoreApplication::removeTranslator(qt_.get());
}

QString QtTranslations::systemFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool QtTranslations::load(InterfaceLanguage language, const QString& folder) {
    if (qt_) QCoreApplication::removeTranslator(qt_.get());
    qt_.reset();
    if (language == InterfaceLanguage::English) return true;
    auto translator = std::make_unique<QTranslator>();
    // qtbase alone: the widgets' texts live there since Qt 6, and the other
    // modules' catalogues would only cost start-up time.
    if (!translator->load(QStringLiteral("qtbase_es"), folder)) return false;
    QCoreApplication::installTranslator(translator.get());
    qt_ = std::move(translator);
    return true;
}

} // namespace vs::shell
