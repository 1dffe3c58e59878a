// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's controls, built and laid out in one place, the way a
// form designer would: no behaviour, no connections. The window wires them.
#include <QCoreApplication>
#include <QString>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMainWindow;
class QMenu;
class QScrollBar;
class QTableWidget;
class QTimer;
class QWidget;

namespace vs::session {
class GraphFrame;
class SessionModel;
} // namespace vs::session
namespace vs::glasses {
class LedPanel;
}
namespace vs::library {
class MusicGrid;
class SessionGrid;
} // namespace vs::library
namespace vs::controls {
class BotonGradiente;
}

namespace vs::shell {

struct ExitValues;
struct ShellSettings;

struct MainWindowUi {
    Q_DECLARE_TR_FUNCTIONS(MainWindowUi)

public:
    void setupUi(QMainWindow* window, session::SessionModel& model);
    // The grids' columns at the stored widths, scaled so the headers fit the
    // font in use; returns the scale.
    double fitColumns(const ShellSettings& settings);
    // The widths to store at exit: a column the user did not touch keeps its
    // stored twips.
    void storeColumns(ExitValues& values, const ShellSettings& settings, double scale) const;

    QGroupBox* frameLed = nullptr;
    QWidget* pLed = nullptr;
    glasses::LedPanel* led = nullptr;
    controls::BotonGradiente* cmdPlay = nullptr;
    controls::BotonGradiente* cmdStop = nullptr;
    QLabel* lblInfoTime = nullptr;
    QLabel* lblInfoHz = nullptr;
    QLabel* lblInfoFR = nullptr;
    session::GraphFrame* graph = nullptr;
    QCheckBox* chkMusica = nullptr;
    QCheckBox* chkMascara = nullptr;
    QCheckBox* chkBinaural = nullptr;
    QScrollBar* scrollVolumenMusica = nullptr;
    QScrollBar* scrollVolumenMascara = nullptr;
    QScrollBar* scrollVolumenBinaural = nullptr;
    QLabel* lblVolumenMusica = nullptr;
    QLabel* lblVolumenMascara = nullptr;
    QLabel* lblVolumenBinaural = nullptr;
    library::SessionGrid* FlexSesion = nullptr;
    library::MusicGrid* FlexMusica = nullptr;
    QTimer* timerSesion = nullptr; // SessionPlayer::kTickMs
    QTimer* timerFade = nullptr;   // SessionPlayer::kFadeTickMs

    QAction* mnuArchivoImportarSesion = nullptr;
    QAction* mnuArchivoOpciones = nullptr;
    QAction* mnuArchivoSalir = nullptr;
    QAction* mnuEdicionDeshacer = nullptr;
    QAction* mnuEdicionRehacer = nullptr;
    QAction* mnuSesionPlayStop = nullptr; // keys: desktop_manners.h
    QAction* mnuSesionNueva = nullptr;
    QAction* mnuSesionGuardarSesion = nullptr;
    QAction* mnuSesionGuardarSesionComo = nullptr;
    QAction* mnuSesionExportarSbg = nullptr;
    QAction* mnuSesionAnadirSesion = nullptr;
    QAction* mnuSesionEliminarSesion = nullptr;
    QAction* mnuSesionComprobarAuriculares = nullptr;
    QAction* mnuMusicaAnadir = nullptr;
    QAction* mnuMusicaAnadirPistaCd = nullptr;
    QAction* mnuMusicaEliminar = nullptr;
    QAction* mnuAyudaContenido = nullptr;
    QAction* mnuAyudaAcrecaDe = nullptr;
    QMenu* mnuSesion = nullptr;
    QMenu* mnuMusica = nullptr;

private:
    void buildMenus(QMainWindow* window);
};

} // namespace vs::shell
