// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Comprobar auriculares...": the headphone check (playback/headphone_check.h)
// as a small dialog. It shows which ear the tone should be in, takes the
// listener's three possible answers, says the verdict, and holds
// "Intercambiar canales", whose change is stored and heard at once (the
// check starts again with it).
#include "playback/headphone_check.h"

#include <QDialog>

#include <functional>

class QAbstractButton;
class QCheckBox;
class QLabel;

namespace vs::shell {

class HeadphoneDialog : public QDialog {
    Q_OBJECT
public:
    // `tone` outlives the dialog; `setExchanged` stores the box's new state
    // and makes the engine follow it.
    HeadphoneDialog(playback::EarTone& tone, bool exchanged, std::function<void(bool)> setExchanged,
                    QWidget* parent = nullptr);

    playback::HeadphoneCheck& check() { return check_; }
    // The listener's answer for the side sounding (tests click the buttons).
    void answer(playback::HeadphoneCheck::Heard heard);

    void done(int result) override;

private:
    void show_();

    playback::HeadphoneCheck check_;
    std::function<void(bool)> setExchanged_;
    QLabel* lblIzquierdo_ = nullptr;
    QLabel* lblDerecho_ = nullptr;
    QLabel* lblPregunta_ = nullptr;
    QLabel* lblVeredicto_ = nullptr;
    QAbstractButton* cmdAhi_ = nullptr;
    QAbstractButton* cmdOtroLado_ = nullptr;
    QAbstractButton* cmdNada_ = nullptr;
    QAbstractButton* cmdRepetir_ = nullptr;
    QAbstractButton* cmdCerrar_ = nullptr;
    QCheckBox* chkIntercambiar_ = nullptr;
};

} // namespace vs::shell
