// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sequence chooser: a grid of the seven sequences, a rate spinner for the
// live preview and two buttons. Pressing a row switches the running preview to
// it at once; the answer is left in the sequencer's SecuenciaActual.
#include "led_sequencer.h"

#include <QDialog>
#include <cstdint>
#include <functional>

class QAbstractButton;
class QLabel;
class QScrollBar;
class QTableWidget;
class QGroupBox;

namespace vs::glasses {

// Makes the dialog's push buttons. The program's own button lives in a layer
// above this one, so the shell hands it in; without one, plain Qt buttons.
using ButtonFactory = std::function<QAbstractButton*(const QString& caption, QWidget* parent)>;

class frmSecuencia : public QDialog {
    Q_OBJECT
public:
    // Changes the sequence and the rate of `sequencer` as the user goes.
    explicit frmSecuencia(LedSequencer& sequencer, QWidget* parent = nullptr,
                          const ButtonFactory& makeButton = {});

    // Chosen: "Seleccionar Secuencia"; Cancelled: "Cancelar" (the opening
    // sequence is back); Closed: the close box or Escape (the row last pressed stays).
    SequenceChooser::Result choice() const { return choice_; }
    std::int16_t secuenciaInicial() const { return SecuenciaInicial; }

    QTableWidget* flexSecuencia() const { return flexSecuencia_; }
    QScrollBar* scrollHz() const { return scrollHz_; }
    QLabel* lblHz() const { return lblHz_; }
    QAbstractButton* cmdAceptar() const { return cmdAceptar_; }
    QAbstractButton* cmdCancelar() const { return cmdCancelar_; }

private:
    void filaPulsada(int row);
    void filaClicada(int row);
    void velocidadCambiada(int value);

    LedSequencer& sequencer_;
    std::int16_t SecuenciaInicial = 0;
    SequenceChooser::Result choice_ = SequenceChooser::Result::Closed;
    QTableWidget* flexSecuencia_;
    QGroupBox* Frame1_;
    QScrollBar* scrollHz_;
    QLabel* lblHz_;
    QLabel* Label2_;
    QAbstractButton* cmdAceptar_;
    QAbstractButton* cmdCancelar_;
};

// Runs a fresh frmSecuencia modally over `owner` each time.
class DialogSequenceChooser : public SequenceChooser {
public:
    explicit DialogSequenceChooser(QWidget* owner, ButtonFactory makeButton = {})
        : owner_(owner), makeButton_(std::move(makeButton)) {}
    Result run(LedSequencer& sequencer) override;

private:
    QWidget* owner_;
    ButtonFactory makeButton_;
};

} // namespace vs::glasses
