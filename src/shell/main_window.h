#pragma once
// The main window: owns the open session, the playback objects and every
// control; runs the start-up sequence when built and the shutdown sequence on
// the exit command or when closed.
#include "shell_logic.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTableWidget;

namespace vs::session {
class GraphFrame;
class SessionModel;
}  // namespace vs::session

namespace vs::shell {

class QtMessageService;
class QtFileDialogService;

class FrmSomnara : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window and runs the start-up sequence (all but showing it).
    explicit FrmSomnara(QWidget* parent = nullptr);
    ~FrmSomnara() override;

    session::SessionModel& model();
    session::GraphFrame* graph() const { return graph_; }
    const StepSequence& startup() const { return startup_; }

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

    // Shutdown steps.
    void preguntarGuardar();
    void guardarPreferencias();
    ExitValues exitValues() const;

    // Handlers.
    void scrollVolumenBinaural_Change();
    void scrollVolumenMascara_Change();
    void lengthTextChanged(const QString& text);

    std::unique_ptr<session::SessionModel> model_;
    std::unique_ptr<QtMessageService> messages_;
    std::unique_ptr<QtFileDialogService> dialogs_;
    StepSequence startup_;
    StepSequence shutdown_;
    ShellSettings settings_;
    std::string sessionFile_;
    QString shownLength_;
    bool ended_ = false;

    session::GraphFrame* graph_ = nullptr;
    QGroupBox* frameLed_ = nullptr;
    QWidget* pLed_ = nullptr;
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

}  // namespace vs::shell
