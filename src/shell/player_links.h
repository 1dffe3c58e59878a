// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the session player talks to, made of the main window's parts: its
// controls (PlayerView) and the glasses (GlassesLink); the music is
// MusicWiring's (music_wiring.h). Each is a small adapter with no state of
// its own beyond the parts it was given.
#include "playback/session_player.h"

namespace vs::glasses {
struct EstadoGafas;
class LedIndicators;
class StepClock;
} // namespace vs::glasses

namespace vs::shell {

struct MainWindowUi;

class WindowPlayerView : public playback::PlayerView {
public:
    explicit WindowPlayerView(MainWindowUi& ui) : ui_(ui) {}
    bool chkBinaural() const override;
    bool chkMascara() const override;
    bool chkMusica() const override;
    int scrollVolumenBinaural() const override;
    int scrollVolumenMascara() const override;
    int ultimosSegundos() const override;
    void setCursor(double x, bool visible) override;
    void setInfoTime(const std::string& t) override;
    void setInfoHz(const std::string& t) override;
    void setInfoFR(const std::string& t) override;
    // Playing locks the lists, the source boxes, the length bars and the
    // strip; stopping unlocks all of them, the strip too, glasses or not.
    void setLocked(bool locked) override;
    void setSessionTimer(bool on) override;
    void setFadeTimer(bool on) override;

private:
    MainWindowUi& ui_;
};

class GlassesPlayerLink : public playback::GlassesLink {
public:
    GlassesPlayerLink(glasses::EstadoGafas& estado, glasses::LedIndicators& indicators)
        : estado_(estado), indicators_(indicators) {}
    // The step clock exists from the initialisation on; until then there is
    // nothing to switch.
    void setClock(glasses::StepClock* clock) { clock_ = clock; }

    bool GafasMentales() const override;
    void setClockEnabled(bool on) override;
    void setFrecuenciaLed(float hz) override;
    void setSecuenciaActual(int s) override;
    void darken() override;

private:
    glasses::EstadoGafas& estado_;
    glasses::LedIndicators& indicators_;
    glasses::StepClock* clock_ = nullptr;
};

} // namespace vs::shell
