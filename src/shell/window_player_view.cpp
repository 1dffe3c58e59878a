// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_player_view.h"

#include "base/preferences.h"
#include "library/music_grid.h"
#include "library/session_grid.h"
#include "main_window_ui.h"
#include "playback/playback_keys.h"
#include "session/graph_frame.h"

#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>

namespace vs::shell {

bool WindowPlayerView::chkBinaural() const {
    return ui_.chkBinaural->isChecked();
}
bool WindowPlayerView::chkMascara() const {
    return ui_.chkMascara->isChecked();
}
bool WindowPlayerView::chkMusica() const {
    return ui_.chkMusica->isChecked();
}
int WindowPlayerView::scrollVolumenBinaural() const {
    return ui_.scrollVolumenBinaural->value();
}
int WindowPlayerView::scrollVolumenMascara() const {
    return ui_.scrollVolumenMascara->value();
}
int WindowPlayerView::ultimosSegundos() const {
    // The store re-reads its file only when it changed, so a tick costs a stat.
    return Preferences::instance().getInt(playback::pref::UltimosSegundos);
}
void WindowPlayerView::setCursor(double x, bool visible) {
    ui_.graph->setCursorX(x);
    ui_.graph->setCursorVisible(visible);
}
void WindowPlayerView::setInfoTime(const std::string& t) {
    ui_.lblInfoTime->setText(QString::fromStdString(t));
}
void WindowPlayerView::setInfoHz(const std::string& t) {
    ui_.lblInfoHz->setText(QString::fromStdString(t));
}
void WindowPlayerView::setInfoFR(const std::string& t) {
    ui_.lblInfoFR->setText(QString::fromStdString(t));
}
void WindowPlayerView::setLocked(bool locked) {
    const bool on = !locked;
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui_.FlexSesion, ui_.FlexMusica, ui_.chkBinaural, ui_.chkMascara, ui_.chkMusica})
        w->setEnabled(on);
    ui_.graph->setLengthEnabled(on);
    ui_.graph->setStripEnabled(on);
}
void WindowPlayerView::setSessionTimer(bool on) {
    if (on)
        ui_.timerSesion->start();
    else
        ui_.timerSesion->stop();
}
void WindowPlayerView::setFadeTimer(bool on) {
    if (on)
        ui_.timerFade->start();
    else
        ui_.timerFade->stop();
}

} // namespace vs::shell
