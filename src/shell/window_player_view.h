// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's controls as the session player sees them: a small
// adapter with no state of its own. The glasses are GlassesWiring's
// (glasses_wiring.h), the music MusicWiring's (music_wiring.h), the sound's
// voicing SoundWiring's (sound_wiring.h).
#include "playback/session_player.h"

#include <functional>

namespace vs::shell {

struct MainWindowUi;

class WindowPlayerView : public playback::PlayerView {
public:
    WindowPlayerView(MainWindowUi& ui, std::function<playback::SoundChoice()> sound)
        : ui_(ui), sound_(std::move(sound)) {}
    bool chkBinaural() const override;
    bool chkMascara() const override;
    bool chkMusica() const override;
    int scrollVolumenBinaural() const override;
    int scrollVolumenMascara() const override;
    int ultimosSegundos() const override;
    playback::SoundChoice sound() const override { return sound_(); }
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
    std::function<playback::SoundChoice()> sound_;
};

} // namespace vs::shell
