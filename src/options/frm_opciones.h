// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options dialog: the open session's ranges, what the graph shows, how
// the playlist plays, the fade time, the light glasses (connected or not,
// port, polarity, indicator colours, LED test) and, on a tab of its own, the
// sound (pulse type, noise colour, channels, output device). Built on each
// opening and destroyed on close; most settings are stored as they change,
// the colours, port and polarity only by "Aceptar".
#include "glasses/frm_secuencia.h"
#include "glasses_settings.h"
#include "led_test.h"
#include "port_choice.h"
#include "range_bounds.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QAbstractButton;
class QScrollBar;
class QTabWidget;
class QTimer;
class QWidget;

namespace vs {
class MessageService;
}
namespace vs::session {
class GraphFrame;
class SessionModel;
} // namespace vs::session
namespace vs::glasses {
struct GlassesSettings;
class LedIndicators;
class LedPanel;
class LedPort;
} // namespace vs::glasses

namespace vs::options {

// What the dialog works on, all owned by the main window.
struct OptionsContext {
    session::SessionModel& model;
    session::GraphFrame* graph; // redrawn after range and display changes; may be null
    // The dialog's changes are stored, then read back into these (their one writer).
    glasses::GlassesSettings& settings;
    glasses::LedPort& port;
    glasses::LedIndicators& ledsPrincipal;
    MessageService& messages;
    // The glasses were switched off: whatever lights them must stop now.
    std::function<void()> onGafasApagadas;
    // Makes the dialog's buttons (the program's own look); plain ones when empty.
    glasses::ButtonFactory makeButton = {};
    // The serial devices offered beside the parallel ports; empty: those present.
    SerialFinder buscarSerie = {};
    // The sound output devices offered beside the system's default; empty: none.
    std::function<std::vector<std::string>()> buscarSalidas = {};
    // The exchange of the channels or the output device was stored anew: the
    // engine must follow now.
    std::function<void()> onSonidoCambiado = {};
};

class frmOpciones : public QDialog {
    Q_OBJECT
public:
    explicit frmOpciones(const OptionsContext& contexto, QWidget* parent = nullptr);
    ~frmOpciones() override;

    LedTest& test() { return *test_; }
    glasses::LedPanel& leds() const { return *led_; }
    // Timer1's tick, also driven directly by tests.
    void Timer1_Timer();

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void construir();
    void abrir();
    void binauralCambiado(int value);
    void baseCambiado(int value);
    void redibujar();
    void gafasPulsadas(bool porUsuario);
    void ledPulsado(int i);
    void pestanaCambiada(int index);
    void cmdAceptar_Click();
    void construirSonido();
    void abrirSonido();

    OptionsContext c_;
    PointFrequencies frecuencias_;
    bool Cargando = false;
    bool abriendo_ = false;
    int pestana_ = 0;
    std::unique_ptr<LedTest> test_;
    std::unique_ptr<PortList> puertos_;

    QTabWidget* SSTab1 = nullptr;
    QScrollBar* scrollFrecuenciaBinaural = nullptr;
    QScrollBar* scrollFrecuenciaBase = nullptr;
    QLabel* lblFrecuenciaBinauralMaxima = nullptr;
    QLabel* lblFrecuenciaBaseMaxima = nullptr;
    QWidget* Picture1 = nullptr;
    QLabel* lblTexto = nullptr;
    QWidget* Linea[3] = {};
    QCheckBox* chkVerLineasGrid = nullptr;
    QCheckBox* chkVerTextoFrecuencias = nullptr;
    QCheckBox* chkTocarCiclico = nullptr;
    QCheckBox* chkTocarTodasCanciones = nullptr;
    QScrollBar* scrollUltimosSegundos = nullptr;
    QLabel* lblUltimosSegundos = nullptr;
    QCheckBox* chkGafasMentales = nullptr;
    QCheckBox* chkLuzEnAudio = nullptr;
    QGroupBox* framePuertoParalelo = nullptr;
    QGroupBox* frameSalidaPuerto = nullptr;
    QGroupBox* frameColorLeds = nullptr;
    QComboBox* cmbPuertoParalelo = nullptr;
    QComboBox* cmbSalidaPuerto = nullptr;
    QWidget* Picture2 = nullptr;
    glasses::LedPanel* led_ = nullptr;
    QAbstractButton* cmdTest = nullptr;
    QAbstractButton* cmdAceptar = nullptr;
    QTimer* Timer1 = nullptr;
    QComboBox* cmbTipoPulso = nullptr;
    QComboBox* cmbColorRuido = nullptr;
    QCheckBox* chkIntercambiarCanales = nullptr;
    QComboBox* cmbSalidaAudio = nullptr;
};

// The options command's dialog, run modally over `owner`.
void runOptionsDialog(const OptionsContext& contexto, QWidget* owner);

} // namespace vs::options
