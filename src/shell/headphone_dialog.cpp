// SPDX-License-Identifier: GPL-3.0-or-later
#include "headphone_dialog.h"

#include "controls/boton_gradiente.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vs::shell {
namespace {

using Heard = playback::HeadphoneCheck::Heard;

QLabel* earLabel(const QString& text, const char* name, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumSize(150, 70);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * 1.6);
    f.setBold(true);
    l->setFont(f);
    return l;
}

// The ear to listen with stands out; the other is greyed.
void mark(QLabel* l, bool active) {
    l->setStyleSheet(active ? QStringLiteral("background:#1d6b2e; color:white; border-radius:8px;")
                            : QStringLiteral("background:#e4e4e4; color:#9a9a9a; "
                                             "border-radius:8px;"));
}

} // namespace

HeadphoneDialog::HeadphoneDialog(playback::EarTone& tone, bool exchanged,
                                 std::function<void(bool)> setExchanged, QWidget* parent)
    : QDialog(parent), check_(tone), setExchanged_(std::move(setExchanged)) {
    setObjectName(QStringLiteral("frmAuriculares"));
    setWindowTitle(tr("Comprobar auriculares"));
    auto* intro = new QLabel(tr("Póngase los auriculares con el volumen bajo. Sonará "
                                "un tono suave, primero en un oído y luego en el "
                                "otro."),
                             this);
    intro->setWordWrap(true);
    lblIzquierdo_ = earLabel(tr("◀  Izquierdo"), "lblIzquierdo", this);
    lblDerecho_ = earLabel(tr("Derecho  ▶"), "lblDerecho", this);
    lblIzquierdo_->setToolTip(tr("Aquí debe sonar el tono cuando está resaltado"));
    lblDerecho_->setToolTip(lblIzquierdo_->toolTip());
    lblPregunta_ = new QLabel(this);
    lblPregunta_->setObjectName(QStringLiteral("lblPregunta"));
    lblPregunta_->setAlignment(Qt::AlignCenter);
    lblVeredicto_ = new QLabel(this);
    lblVeredicto_->setObjectName(QStringLiteral("lblVeredicto"));
    lblVeredicto_->setWordWrap(true);
    lblVeredicto_->setMinimumHeight(48);
    auto button = [this](const QString& caption, const char* name, const QString& tip) {
        QAbstractButton* b = controls::makeHouseButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(tip);
        return b;
    };
    cmdAhi_ = button(tr("Sí, en ese oído"), "cmdAhi", tr("El tono suena en el oído resaltado"));
    cmdOtroLado_ = button(tr("En el otro oído"), "cmdOtroLado",
                          tr("El tono suena, pero en el oído contrario"));
    cmdNada_ = button(tr("No lo oigo"), "cmdNada", tr("No se oye ningún tono"));
    chkIntercambiar_ = new QCheckBox(tr("Intercambiar canales"), this);
    chkIntercambiar_->setObjectName(QStringLiteral("chkIntercambiarCanales"));
    chkIntercambiar_->setToolTip(tr("Cambia el lado izquierdo por el derecho en todo "
                                    "el sonido del programa, al reproducir y al "
                                    "exportar; se guarda en Opciones"));
    chkIntercambiar_->setChecked(exchanged);
    cmdRepetir_ = button(tr("Repetir"), "cmdRepetir", tr("Vuelve a empezar por el oído izquierdo"));
    cmdCerrar_ = button(tr("Cerrar"), "cmdCerrar", tr("Termina la comprobación y apaga el tono"));

    auto* ears = new QHBoxLayout;
    ears->addWidget(lblIzquierdo_);
    ears->addSpacing(24);
    ears->addWidget(lblDerecho_);
    auto* answers = new QHBoxLayout;
    for (QAbstractButton* b : {cmdAhi_, cmdOtroLado_, cmdNada_})
        answers->addWidget(b);
    auto* foot = new QHBoxLayout;
    foot->addWidget(chkIntercambiar_);
    foot->addStretch();
    foot->addWidget(cmdRepetir_);
    foot->addWidget(cmdCerrar_);
    auto* root = new QVBoxLayout(this);
    root->addWidget(intro);
    root->addLayout(ears);
    root->addWidget(lblPregunta_);
    root->addLayout(answers);
    root->addWidget(lblVeredicto_);
    root->addLayout(foot);
    setMinimumWidth(440);

    connect(cmdAhi_, &QAbstractButton::clicked, this, [this] { answer(Heard::There); });
    connect(cmdOtroLado_, &QAbstractButton::clicked, this, [this] { answer(Heard::OtherSide); });
    connect(cmdNada_, &QAbstractButton::clicked, this, [this] { answer(Heard::Nothing); });
    connect(cmdRepetir_, &QAbstractButton::clicked, this, [this] {
        check_.start();
        show_();
    });
    connect(cmdCerrar_, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(chkIntercambiar_, &QCheckBox::toggled, this, [this](bool on) {
        if (setExchanged_) setExchanged_(on);
        check_.start();
        show_();
    });
    check_.start();
    show_();
}

void HeadphoneDialog::answer(Heard heard) {
    check_.answer(heard);
    show_();
}

void HeadphoneDialog::show_() {
    const bool asking = !check_.done();
    const bool left = check_.ear() == playback::Ear::Left;
    mark(lblIzquierdo_, asking && left);
    mark(lblDerecho_, asking && !left);
    lblPregunta_->setText(asking ? (left ? tr("¿Oye el tono en el oído izquierdo?")
                                         : tr("¿Oye el tono en el oído derecho?"))
                                 : QString());
    for (QAbstractButton* b : {cmdAhi_, cmdOtroLado_, cmdNada_})
        b->setEnabled(asking);
    lblVeredicto_->setText(
        QString::fromStdString(check_.verdictText(chkIntercambiar_->isChecked())));
}

void HeadphoneDialog::done(int result) {
    // However it closes, no tone is left sounding.
    check_.stop();
    QDialog::done(result);
}

} // namespace vs::shell
