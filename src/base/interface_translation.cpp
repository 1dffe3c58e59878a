// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/interface_translation.h"

#include "base/paths.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

namespace vs {
namespace {

const QTranslator* standalone_ = nullptr;

std::string applicationTranslate(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

std::string standaloneTranslate(const char* context, const char* source) {
    const QString text = standalone_->translate(context, source);
    return text.isEmpty() ? std::string(source) : text.toStdString();
}

} // namespace

bool installInterfaceTranslation(InterfaceLanguage language, const std::string& folder) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app) setTranslateHook(&applicationTranslate);
    if (language != InterfaceLanguage::English) return true;
    auto* translator = new QTranslator(app);
    if (!translator->load(QString::fromStdString(joinPath(folder, kEnglishTranslationFile)))) {
        delete translator;
        return false;
    }
    if (app) return QCoreApplication::installTranslator(translator);
    // Lives as long as the process: the hook may be asked on any thread until exit.
    standalone_ = translator;
    setTranslateHook(&standaloneTranslate);
    return true;
}

} // namespace vs
