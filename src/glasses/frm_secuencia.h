#pragma once
// The sequence chooser: a grid of the seven sequences, a rate spinner for the
// live preview and two buttons. Pressing a row switches the running preview to
// it at once; the answer is left in SecuenciaActual.
#include "led_sequencer.h"
#include "state.h"

#include <QDialog>
#include <cstdint>

class QLabel;
class QPushButton;
class QScrollBar;
class QTableWidget;
class QGroupBox;

namespace vs::glasses {

class frmSecuencia : public QDialog {
    Q_OBJECT
public:
    explicit frmSecuencia(EstadoGafas& estado, QWidget* parent = nullptr);

    // Seleccionada: "Seleccionar Secuencia"; Cancelada: "Cancelar" (the opening
    // sequence is back); Cerrada: the close box or Escape (the row last pressed stays).
    SequenceChooser::Resultado resultado() const { return resultado_; }
    std::int16_t secuenciaInicial() const { return SecuenciaInicial; }

    QTableWidget* flexSecuencia() const { return flexSecuencia_; }
    QScrollBar* scrollHz() const { return scrollHz_; }
    QLabel* lblHz() const { return lblHz_; }
    QPushButton* cmdAceptar() const { return cmdAceptar_; }
    QPushButton* cmdCancelar() const { return cmdCancelar_; }

private:
    void filaPulsada(int row);
    void filaClicada(int row);
    void velocidadCambiada(int value);

    EstadoGafas& estado_;
    std::int16_t SecuenciaInicial = 0;
    SequenceChooser::Resultado resultado_ = SequenceChooser::Resultado::Cerrada;
    QTableWidget* flexSecuencia_;
    QGroupBox* Frame1_;
    QScrollBar* scrollHz_;
    QLabel* lblHz_;
    QLabel* Label2_;
    QPushButton* cmdAceptar_;
    QPushButton* cmdCancelar_;
};

// Runs a fresh frmSecuencia modally over `owner` each time.
class DialogSequenceChooser : public SequenceChooser {
public:
    DialogSequenceChooser(EstadoGafas& estado, QWidget* owner) : estado_(estado), owner_(owner) {}
    Resultado run() override;

private:
    EstadoGafas& estado_;
    QWidget* owner_;
};

} // namespace vs::glasses
