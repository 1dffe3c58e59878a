// SPDX-License-Identifier: GPL-3.0-or-later
// The window with the English translation loaded, as an English locale starts it.
#include "audio/volume.h"
#include "base/interface_translation.h"
#include "base/paths.h"
#include "base/services.h"
#include "glasses/led_port.h"
#include "session/session_model.h"
#include "shell/main_window.h"
#include "temp_dir.h"

#include <QAction>
#include <QMenuBar>
#include <QStringList>
#include <gtest/gtest.h>

#include "recording_desktop.h"
#include "recording_led_port.h"
#include "recording_messages.h"
#include "recording_mixer.h"
#include "scripted_dialogs.h"

namespace {

using vs::RecordingMessageService;

TEST(EnglishInterface, MenusAndMessagesReadEnglish) {
    ASSERT_TRUE(
        vs::installInterfaceTranslation(vs::InterfaceLanguage::English, VS_TRANSLATIONS_DIR));
    vs::test::TempDir dir;
    dir.becomeProgramFolders();
    vs::glasses::RecordingLedPort port;
    vs::glasses::setLedPort(&port);
    RecordingMessageService recorder;
    vs::ScriptedFileDialogs dialogs;
    vs::RecordingDesktopService desktop;
    vs::shell::Dependencies deps;
    deps.messages = &recorder;
    deps.dialogs = &dialogs;
    deps.desktop = &desktop;
    deps.runOptions = [](const vs::options::OptionsContext&, QWidget*) {};
    deps.runModal = [](QDialog&) {};
    deps.makeVolume = [] {
        return std::make_unique<vs::audio::clsVolume>(
            std::make_unique<vs::audio::RecordingMixerBackend>(), nullptr);
    };
    {
        vs::shell::FrmSomnara w(nullptr, deps);
        QStringList menus;
        for (QAction* a : w.menuBar()->actions())
            menus << a->text();
        EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&Session", "&Music", "&Help"}));
        EXPECT_EQ(w.findChild<QAction*>("mnuArchivoSalir")->text(), "E&xit");
        // A message of the plain C++ layers, through the hook, with a row name.
        w.model().SesionModificada = true;
        w.mnuArchivoSalir_Click();
        EXPECT_TRUE(recorder.saw("Save the changes to: New Session?"));
    }
    vs::setMessageService(nullptr);
    vs::setFileDialogService(nullptr);
    vs::glasses::setLedPort(nullptr);
    vs::clearFolderOverrides();
}

} // namespace
