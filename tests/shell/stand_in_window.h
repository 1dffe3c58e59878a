// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window over stand-ins for what would reach the machine or wait on
// a person: the mixer, the port, the message boxes and file dialogs, the
// modal dialogs. Its folders are those the test has set.
#include "audio/volume.h"
#include "glasses/led_port.h"
#include "shell/main_window.h"

#include "recording_desktop.h"
#include "recording_led_port.h"
#include "recording_messages.h"
#include "recording_mixer.h"
#include "scripted_dialogs.h"

#include <memory>

namespace vs::test {

struct StandIns {
    RecordingMessageService messages;
    ScriptedFileDialogs dialogs;
    RecordingDesktopService desktop;
    glasses::RecordingLedPort port;

    std::unique_ptr<shell::FrmSomnara> window() {
        glasses::setLedPort(&port);
        shell::Dependencies deps;
        deps.messages = &messages;
        deps.dialogs = &dialogs;
        deps.desktop = &desktop;
        deps.runOptions = [](const options::OptionsContext&, QWidget*) {};
        deps.runModal = [](QDialog&) {};
        deps.makeVolume = [] {
            auto mixer = std::make_unique<audio::RecordingMixerBackend>();
            mixer->levels.fill(50000);
            return std::make_unique<audio::clsVolume>(std::move(mixer), nullptr);
        };
        return std::make_unique<shell::FrmSomnara>(nullptr, deps);
    }
    ~StandIns() {
        setMessageService(nullptr);
        setFileDialogService(nullptr);
        glasses::setLedPort(nullptr);
    }
};

} // namespace vs::test
