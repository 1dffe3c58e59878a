// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the picture-taking programs share: the output folder named on the
// command line (default docs/), folders and preferences in a temporary
// directory so the user's own are never read or written, and a wait that
// keeps the event loop turning so timers, repaints and the player run. The
// pictures speak the language LANG or LANGUAGE chooses, as the program does.
#include "base/interface_language.h"
#include "base/interface_translation.h"
#include "base/paths.h"
#include "base/preferences.h"
#include "shell/qt_translations.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QString>
#include <QTemporaryDir>

namespace vs::bench {

class ScreenshotSandbox {
public:
    // After the QApplication exists.
    ScreenshotSandbox(int argc, char** argv)
        : out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs")) {
        QDir().mkpath(out);
        const std::string folder = tmp.path().toStdString();
        vs::overrideFolders(folder, folder, folder);
        vs::Preferences::setInstanceFile((tmp.path() + "/prefs.ini").toStdString());
        translations_.load(vs::interfaceLanguage());
        vs::installInterfaceTranslation(vs::interfaceLanguage(), VS_TRANSLATIONS_DIR);
    }
    QString path() const { return tmp.path(); }
    // out/`base`.es.png or out/`base`.en.png: the same picture in each language.
    QString named(const QString& base) const {
        const bool english = vs::interfaceLanguage() == vs::InterfaceLanguage::English;
        return out + "/" + base + (english ? ".en.png" : ".es.png");
    }

    const QString out;

private:
    QTemporaryDir tmp;
    vs::shell::QtTranslations translations_;
};

inline void pumpEvents(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace vs::bench
