// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_secuencia.h"

#include "sequences.h"

#include "base/numeric.h"
#include "lumidot.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vs::glasses {
namespace {

// Column widths were laid out at 15 twips a pixel: 600, 700 and 2500 twips.
constexpr int kAnchoColumna[3] = {40, 47, 167};
constexpr int kAltoFila = 18;
const QColor kAzul(0, 0, 255);

QString textoHz(int value) {
    return QString::fromStdString(formatFixed(value / 10.0, 1));
}

} // namespace

frmSecuencia::frmSecuencia(LedSequencer& sequencer, QWidget* parent,
                           const ButtonFactory& makeButton)
    : QDialog(parent), sequencer_(sequencer) {
    setWindowTitle(tr("Secuencia de luces"));

    flexSecuencia_ = new QTableWidget(kNumSecuencias, 3, this);
    flexSecuencia_->setObjectName(QStringLiteral("flexSecuencia"));
    const QStringList cabecera = {tr("Nº"), tr("Color"), tr("Denominación")};
    for (int c = 0; c < 3; ++c) {
        auto* item = new QTableWidgetItem(cabecera[c]);
        QFont f = item->font();
        f.setBold(true);
        item->setFont(f);
        item->setTextAlignment(c == 0 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        flexSecuencia_->setHorizontalHeaderItem(c, item);
        flexSecuencia_->setColumnWidth(c, kAnchoColumna[c]);
    }
    flexSecuencia_->verticalHeader()->hide();
    flexSecuencia_->verticalHeader()->setDefaultSectionSize(kAltoFila);
    flexSecuencia_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    flexSecuencia_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // No selection highlight: it would hide the colour cells; bold marks the row.
    flexSecuencia_->setSelectionMode(QAbstractItemView::NoSelection);
    flexSecuencia_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    flexSecuencia_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    const auto& tabla = Secuencias();
    for (int k = 1; k <= kNumSecuencias; ++k) {
        auto* numero = new QTableWidgetItem(QString::number(k));
        numero->setTextAlignment(Qt::AlignCenter);
        auto* color = new QTableWidgetItem;
        color->setBackground(Lumidot::toQColor(tabla[k - 1].Color));
        auto* nombre = new QTableWidgetItem(
            QCoreApplication::translate("Sequences", tabla[k - 1].Denominacion.c_str()));
        flexSecuencia_->setItem(k - 1, 0, numero);
        flexSecuencia_->setItem(k - 1, 1, color);
        flexSecuencia_->setItem(k - 1, 2, nombre);
    }
    const int ancho =
        kAnchoColumna[0] + kAnchoColumna[1] + kAnchoColumna[2] + 2 * flexSecuencia_->frameWidth();
    const int alto = flexSecuencia_->horizontalHeader()->sizeHint().height() +
                     kNumSecuencias * kAltoFila + 2 * flexSecuencia_->frameWidth();
    flexSecuencia_->setFixedSize(ancho, alto);

    SecuenciaInicial = sequencer_.state().SecuenciaActual;
    const int actual = SecuenciaInicial;
    if (actual >= 1 && actual <= kNumSecuencias) {
        flexSecuencia_->item(actual - 1, 0)->setForeground(kAzul);
        auto* nombre = flexSecuencia_->item(actual - 1, 2);
        nombre->setForeground(kAzul);
        QFont f = nombre->font();
        f.setBold(true);
        nombre->setFont(f);
        flexSecuencia_->setCurrentCell(actual - 1, 2);
    }

    Frame1_ = new QGroupBox(this);
    scrollHz_ = new QScrollBar(Qt::Vertical, Frame1_);
    scrollHz_->setObjectName(QStringLiteral("scrollHz"));
    scrollHz_->setRange(0, 300);
    // The up arrow raises the rate.
    scrollHz_->setInvertedAppearance(true);
    scrollHz_->setInvertedControls(false);
    scrollHz_->setFixedSize(17, 34);
    lblHz_ = new QLabel(Frame1_);
    lblHz_->setObjectName(QStringLiteral("lblHz"));
    lblHz_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblHz_->setMinimumWidth(32);
    Label2_ = new QLabel(tr("Hz"), Frame1_);
    auto* marco = new QHBoxLayout(Frame1_);
    marco->addWidget(scrollHz_);
    marco->addWidget(lblHz_);
    marco->addWidget(Label2_);
    marco->addStretch();

    // Opening shows the rate without writing it back.
    const int valor = std::clamp(toInt32(sequencer_.state().FrecuenciaLed * 10.0), 0, 300);
    scrollHz_->setValue(valor);
    lblHz_->setText(textoHz(valor));

    auto button = [this, &makeButton](const QString& caption) -> QAbstractButton* {
        if (makeButton) return makeButton(caption, this);
        return new QPushButton(caption, this);
    };
    cmdAceptar_ = button(tr("Seleccionar Secuencia"));
    cmdAceptar_->setObjectName(QStringLiteral("cmdAceptar"));
    cmdCancelar_ = button(tr("Cancelar"));
    cmdCancelar_->setObjectName(QStringLiteral("cmdCancelar"));

    auto* derecha = new QVBoxLayout;
    derecha->addWidget(Frame1_);
    derecha->addStretch();
    derecha->addWidget(cmdAceptar_);
    derecha->addWidget(cmdCancelar_);
    auto* principal = new QHBoxLayout(this);
    principal->addWidget(flexSecuencia_);
    principal->addLayout(derecha);
    principal->setSizeConstraint(QLayout::SetFixedSize);

    connect(flexSecuencia_, &QTableWidget::cellPressed, this,
            [this](int row, int) { filaPulsada(row); });
    connect(flexSecuencia_, &QTableWidget::cellClicked, this,
            [this](int row, int) { filaClicada(row); });
    connect(scrollHz_, &QScrollBar::valueChanged, this, &frmSecuencia::velocidadCambiada);
    connect(cmdAceptar_, &QAbstractButton::clicked, this, [this] {
        choice_ = SequenceChooser::Result::Chosen;
        accept();
    });
    connect(cmdCancelar_, &QAbstractButton::clicked, this, [this] {
        sequencer_.setSecuenciaActual(SecuenciaInicial);
        choice_ = SequenceChooser::Result::Cancelled;
        reject();
    });
}

void frmSecuencia::filaPulsada(int row) {
    sequencer_.setSecuenciaActual(row + 1);
}

void frmSecuencia::filaClicada(int row) {
    if (row < 0) return;
    for (int r = 0; r < kNumSecuencias; ++r) {
        auto* item = flexSecuencia_->item(r, 2);
        QFont f = item->font();
        f.setBold(r == row);
        item->setFont(f);
    }
}

void frmSecuencia::velocidadCambiada(int value) {
    sequencer_.setFrecuenciaLed(static_cast<float>(value / 10.0));
    lblHz_->setText(textoHz(value));
}

SequenceChooser::Result DialogSequenceChooser::run(LedSequencer& sequencer) {
    frmSecuencia dialogo(sequencer, owner_, makeButton_);
    dialogo.exec();
    return dialogo.choice();
}

} // namespace vs::glasses
