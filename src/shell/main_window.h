#pragma once
// The main window: owns the open session, the playback objects and every
// control; runs the start-up sequence when built and the shutdown sequence on
// the exit command or when closed.
#include "base/services.h"
#include "shell_logic.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTableWidget;

class QTimer;

namespace vs::session {
class GraphFrame;
class SessionModel;
} // namespace vs::session
namespace vs::audio {
class clsVolume;
}
namespace vs::glasses {
class LedPanel;
class LedSequencer;
class StepClock;
class SequenceChooser;
} // namespace vs::glasses
namespace vs::playback {
class SessionPlayer;
class SampleToneBank;
class MasterVolume;
} // namespace vs::playback

namespace vs::shell {

class QtMessageService;
class QtFileDialogService;

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
};

class FrmSomnara : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window and runs the start-up sequence (all but showing it).
    explicit FrmSomnara(QWidget* parent = nullptr, Dependencies deps = {});
    ~FrmSomnara() override;

    session::SessionModel& model();
    session::GraphFrame* graph() const { return graph_; }
    const StepSequence& startup() const { return startup_; }

    // After the options dialog has closed: the LED colours are read again (with
    // that moment's defaults) and the strip follows the glasses flag.
    void trasOpciones();

    // The exit command: runs the shutdown sequence once, then closes the window.
    void mnuArchivoSalir_Click();
    bool ended() const { return ended_; }

    // Controls reachable by tests and by the player.
    QScrollBar* scrollVolumenBinaural() const { return scrollVolumenBinaural_; }
    QScrollBar* scrollVolumenMascara() const { return scrollVolumenMascara_; }
    QScrollBar* scrollVolumenMusica() const { return scrollVolumenMusica_; }
    QCheckBox* chkBinaural() const { return chkBinaural_; }
    QCheckBox* chkMascara() const { return chkMascara_; }
    QCheckBox* chkMusica() const { return chkMusica_; }
    QLabel* lblVolumenBinaural() const { return lblVolumenBinaural_; }
    QLabel* lblVolumenMascara() const { return lblVolumenMascara_; }
    QLabel* lblInfoTime() const { return lblInfoTime_; }
    QLabel* lblInfoHz() const { return lblInfoHz_; }
    QLabel* lblInfoFR() const { return lblInfoFR_; }
    QPushButton* cmdPlay() const { return cmdPlay_; }
    QPushButton* cmdStop() const { return cmdStop_; }
    QTableWidget* flexSesion() const { return FlexSesion_; }
    QTableWidget* flexMusica() const { return FlexMusica_; }
    QAction* action(const QString& objectName) const;

    glasses::LedPanel* ledPanel() const { return ledPanel_; }
    glasses::LedSequencer* sequencer() const { return sequencer_.get(); }
    playback::SessionPlayer* player() const { return player_.get(); }
    playback::SampleToneBank* tones() const { return tones_.get(); }
    audio::clsVolume* volume() const { return volume_.get(); }
    QTimer* timerSesion() const { return timerSesion_; }
    QTimer* timerFade() const { return timerFade_; }
    bool audioStarted() const { return audioStarted_; }

    // Name of the open session as the exit question shows it.
    std::string sessionName() const;
    // File the open session was read from or last saved to ("" for a new one).
    const std::string& sessionFile() const { return sessionFile_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildUi();
    void buildMenus();
    void buildStartup();
    void buildShutdown();

    // Start-up steps.
    void Inicializar();
    void configurarListas();
    void configurarGrafico();
    void coloresLeds();
    void comprobarTarjetaSonido();
    void cargarListaSesiones();
    void cargarListaMusica();
    void cargarSesionInicial();
    void alinearTira();
    void IniciarAudio();

    // Strip gestures, handed to the LED sequencer.
    void cellPressed(int index);
    void cellReleased(int index);
    void cellMoved(int index, int x, int y, int w, int h, Qt::MouseButtons buttons);
    void cellDoubleClicked(int index);

    // Saves the open session to its file, asking for one when it has none.
    bool guardarSesion();
    void liberarAudio();
    void liberarTimerSecuencia();

    // Shutdown steps.
    void preguntarGuardar();
    void guardarPreferencias();
    ExitValues exitValues() const;

    // Handlers.
    void scrollVolumenBinaural_Change();
    void scrollVolumenMascara_Change();
    void lengthTextChanged(const QString& text);

    class PlayerViewImpl;
    class GlassesLinkImpl;
    class NoMusic;

    Dependencies deps_;
    std::unique_ptr<session::SessionModel> model_;
    std::unique_ptr<audio::clsVolume> volume_;
    std::unique_ptr<glasses::StepClock> timerSecuencia_;
    std::unique_ptr<glasses::LedSequencer> sequencer_;
    std::unique_ptr<glasses::SequenceChooser> chooser_;
    std::unique_ptr<playback::SampleToneBank> tones_;
    std::unique_ptr<PlayerViewImpl> playerView_;
    std::unique_ptr<GlassesLinkImpl> glassesLink_;
    std::unique_ptr<NoMusic> music_;
    std::unique_ptr<playback::MasterVolume> master_;
    std::unique_ptr<playback::SessionPlayer> player_;
    bool audioStarted_ = false;
    double nivelMaestroInicial_ = 0;
    std::unique_ptr<QtMessageService> messages_;
    std::unique_ptr<QtFileDialogService> dialogs_;
    StepSequence startup_;
    StepSequence shutdown_;
    ShellSettings settings_;
    std::string sessionFile_;
    bool ended_ = false;

    session::GraphFrame* graph_ = nullptr;
    QGroupBox* frameLed_ = nullptr;
    QWidget* pLed_ = nullptr;
    glasses::LedPanel* ledPanel_ = nullptr;
    QTimer* timerSesion_ = nullptr;
    QTimer* timerFade_ = nullptr;
    QPushButton* cmdPlay_ = nullptr;
    QPushButton* cmdStop_ = nullptr;
    QCheckBox* chkMusica_ = nullptr;
    QCheckBox* chkMascara_ = nullptr;
    QCheckBox* chkBinaural_ = nullptr;
    QScrollBar* scrollVolumenMusica_ = nullptr;
    QScrollBar* scrollVolumenMascara_ = nullptr;
    QScrollBar* scrollVolumenBinaural_ = nullptr;
    QLabel* lblVolumenMusica_ = nullptr;
    QLabel* lblVolumenMascara_ = nullptr;
    QLabel* lblVolumenBinaural_ = nullptr;
    QLabel* lblInfoTime_ = nullptr;
    QLabel* lblInfoHz_ = nullptr;
    QLabel* lblInfoFR_ = nullptr;
    QTableWidget* FlexSesion_ = nullptr;
    QTableWidget* FlexMusica_ = nullptr;
};

} // namespace vs::shell
