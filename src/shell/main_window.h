// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: view and wiring. It owns the open session, the playback
// objects and every control, runs the start-up sequence when built and the
// shutdown sequence on the exit command or when closed. What it computes
// lives in plain classes beside it and below it.
#include "base/services.h"
#include "glasses/state.h"
#include "main_window_ui.h"
#include "music_wiring.h"
#include "shell_logic.h"

#include <QDialog>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vs::session {
class EditHistory;
class SessionDocument;
class SessionModel;
} // namespace vs::session
namespace vs::audio {
class clsVolume;
}
namespace vs::library {
class SessionLibrary;
}
namespace vs::glasses {
class LedSequencer;
class SequenceChooser;
} // namespace vs::glasses
namespace vs::options {
struct OptionsContext;
}
namespace vs::audio {
class OutputCheck;
}
namespace vs::playback {
class AudioSession;
class MasterVolume;
class SessionPlayer;
} // namespace vs::playback

namespace vs::shell {

class EditMenu;
class ExportCommands;
class FlashRiskMarks;
class HelpDesk;
class GlassesWiring;
class MusicWiring;
class PeerSessionCommands;
class SoundWiring;
class WindowPlayerView;

// What the window takes from outside; tests replace the parts that would touch
// the machine's mixer or block on a modal dialog.
struct Dependencies {
    // The mixer-volume object; default: the system mixer with the engine's gains behind it.
    std::function<std::unique_ptr<audio::clsVolume>()> makeVolume;
    // Message boxes and file dialogs; default: the real modal ones, owned by the window.
    MessageService* messages = nullptr;
    FileDialogService* dialogs = nullptr;
    // The sequence chooser; default: the modal dialog.
    std::function<std::unique_ptr<glasses::SequenceChooser>(QWidget* owner)> makeChooser;
    // The options dialog, run to its end; default: the modal dialog.
    std::function<void(const options::OptionsContext&, QWidget* owner)> runOptions;
    // The desktop's default programs for the help, web address and mail link.
    DesktopService* desktop = nullptr;
    // Runs a modal dialog (the about box); default: QDialog::exec.
    std::function<void(QDialog&)> runModal;
    // The playlist's devices and CD track dialog; default: the real ones.
    MusicParts music;
    // The serial devices the options dialog offers; default: those present.
    std::function<std::vector<std::string>()> serialDevices;
    // The sound server's question about the output; default: libpulse's.
    std::function<std::unique_ptr<audio::OutputCheck>()> makeOutputCheck;
};

class FrmSomnara : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window and runs the start-up sequence (all but showing it).
    explicit FrmSomnara(QWidget* parent = nullptr, Dependencies deps = {});
    ~FrmSomnara() override;

    // The exit command: stops playback and asks to save a modified session;
    // unless the user goes back to the window, runs the rest of the shutdown
    // sequence once and closes the window.
    void mnuArchivoSalir_Click();
    // The exit a signal from the desktop asks for: nothing is asked (unsaved
    // edits are left to their recovery copy), the rest runs as above.
    void salirSinPreguntas() { salir(false); }
    bool ended() const { return ended_; }
    // After the options dialog has closed: the LED colours are read again (with
    // that moment's defaults) and the strip follows the glasses flag.
    void trasOpciones();
    // Session files given at start (opened from a file manager): each joins
    // the library as "Añadir Sesión" would add it; the last one stays open.
    void addSessionFiles(const std::vector<std::string>& paths);

    // For tests, benchmarks and screenshots: the parts as they stand.
    const MainWindowUi& ui() const { return ui_; }
    session::SessionModel& model() { return *model_; }
    session::SessionDocument& document() { return *document_; }
    session::EditHistory& edits() { return *edits_; }
    library::SessionLibrary& sessions() { return *library_; }
    MusicWiring& music() { return *music_; }
    SoundWiring& sound() { return *sound_; }
    HelpDesk& help() { return *help_; }
    playback::SessionPlayer* player() const { return player_.get(); }
    playback::AudioSession& audio() { return *audio_; }
    glasses::LedSequencer* sequencer() const;
    const glasses::GlassesSettings& glassesSettings() const { return gafas_; }
    const StepSequence& startup() const { return startup_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Session files dropped from a file manager join the library; the
    // schedules of other programs are imported.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool salir(bool preguntar = true);
    void wire();
    void buildStartup();
    void buildShutdown();
    void Inicializar();
    void configurarListas();
    void configurarGrafico();
    void cellDoubleClicked(int index);
    ExitValues exitValues() const;

    Dependencies deps_;
    std::unique_ptr<MessageService> ownMessages_;
    std::unique_ptr<FileDialogService> ownDialogs_;
    std::unique_ptr<DesktopService> ownDesktop_;
    std::unique_ptr<session::SessionModel> model_;
    std::unique_ptr<session::SessionDocument> document_;
    std::unique_ptr<session::EditHistory> edits_;
    std::unique_ptr<library::SessionLibrary> library_;
    std::unique_ptr<playback::AudioSession> audio_;
    std::unique_ptr<audio::clsVolume> volume_;
    std::unique_ptr<playback::MasterVolume> master_;
    glasses::GlassesSettings gafas_;
    std::unique_ptr<GlassesWiring> glasses_;
    std::unique_ptr<glasses::SequenceChooser> chooser_;
    std::unique_ptr<WindowPlayerView> playerView_;
    std::unique_ptr<MusicWiring> music_;
    std::unique_ptr<playback::SessionPlayer> player_;
    std::unique_ptr<FlashRiskMarks> flashMarks_;
    std::unique_ptr<EditMenu> editMenu_;
    std::unique_ptr<ExportCommands> exportCommands_;
    std::unique_ptr<PeerSessionCommands> peerSessions_;
    std::unique_ptr<SoundWiring> sound_;
    HelpDesk* help_ = nullptr; // owned by the window
    MainWindowUi ui_;
    StepSequence startup_;
    StepSequence shutdown_;
    ShellSettings settings_;
    double columnScale_ = 1.0;
    bool ended_ = false;
};

} // namespace vs::shell
