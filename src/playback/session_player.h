// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the open session: from Play to Stop, the half-second tick turns the drawn
// curves into tone rates, mask volume, the LED beat and the cursor; the last
// seconds fade the master volume out; Stop restores everything.
//
// UI thread only. The player owns no timer and no widget: it is driven by the
// window's two timers through Tick() and FadeTick() and talks to the world
// through the narrow interfaces below and the links to the glasses and the
// music (links/player_links.h), so a whole session runs in tests on a
// simulated clock.
#include "links/player_links.h"
#include "playback/sound_choice.h"

#include <cstdint>
#include <string>

namespace vs::session {
class SessionModel;
}

namespace vs::playback {

// One looping sample player as the session uses it (left tone, right tone, mask).
class ToneChannel {
public:
    virtual ~ToneChannel() = default;
    virtual bool Playing() = 0;
    // Starts a playback; rate < 0 means the sample's own rate.
    virtual void Play(std::int32_t volume, std::int32_t rate, bool loop) = 0;
    virtual void setFrequencyEx(std::int32_t rate) = 0;
    virtual void setVolumeEx(std::int32_t volume) = 0;
    virtual void StopPlay() = 0;
    // The isochronic pulse, `hz` pulses a second: the next Play starts with
    // it, a sounding playback follows it at once.
    virtual void setPulse(double hz) = 0;
};

// Loads the three wave files into the three channels before each session,
// voiced for the pulse type (monaural: each tone in both ears at half its
// level; isochronic: the left tone in both ears, ready to pulse), the mask
// in its colour.
class ToneBank {
public:
    virtual ~ToneBank() = default;
    virtual void CargarOndas(PulseType pulse, NoiseColour noise) = 0;
    // nullptr when the audio system did not start: the session then plays silently.
    virtual ToneChannel* ondaL() = 0;
    virtual ToneChannel* ondaR() = 0;
    virtual ToneChannel* ondaM() = 0;
};

class MasterVolume {
public:
    virtual ~MasterVolume() = default;
    virtual std::int32_t VolumeLevel() = 0;
    virtual void setVolumeLevel(std::int32_t level) = 0;
};

// Monotonic milliseconds; never jumps with the wall clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMs() = 0;
};
Clock& steadyClock();

// The window's controls that show and steer playback.
class PlayerView {
public:
    virtual ~PlayerView() = default;
    virtual bool chkBinaural() const = 0;
    virtual bool chkMascara() const = 0;
    virtual bool chkMusica() const = 0;
    virtual int scrollVolumenBinaural() const = 0;
    virtual int scrollVolumenMascara() const = 0;
    virtual int ultimosSegundos() const = 0; // the fade preference, read every tick
    // How the sound is voiced, read at Play (the player uses the pulse type
    // and the noise colour; the exchange of the channels is the engine's).
    virtual SoundChoice sound() const = 0;
    virtual void setCursor(double x, bool visible) = 0;
    virtual void setInfoTime(const std::string& text) = 0;
    virtual void setInfoHz(const std::string& text) = 0;
    virtual void setInfoFR(const std::string& text) = 0;
    // Locks the lists, the source boxes, the strip and the length bars while playing.
    virtual void setLocked(bool locked) = 0;
    virtual void setSessionTimer(bool enabled) = 0; // SessionPlayer::kTickMs
    virtual void setFadeTimer(bool enabled) = 0;    // SessionPlayer::kFadeTickMs
};

class SessionPlayer {
public:
    // The periods of the window's two timers, timerSesion and timerFade;
    // an export's render replays them from here.
    static constexpr int kTickMs = 500;
    static constexpr int kFadeTickMs = 1000;

    SessionPlayer(session::SessionModel& model, PlayerView& view, ToneBank& tones,
                  MasterVolume& master, links::GlassesLink& glasses, links::MusicLink& music,
                  Clock& clock = steadyClock());

    void Play();
    void Stop();
    void Tick();     // timerSesion
    void FadeTick(); // timerFade
    void PararBinaural();

    // The master level found at start-up (or at the last fade start).
    void setNivelMaestroGuardado(double level) { NivelMaestroGuardado = level; }
    double nivelMaestroGuardado() const { return NivelMaestroGuardado; }

    bool playing() const { return sessionTimer_; }
    bool fading() const { return fadeTimer_; }
    int tramoBinaural() const { return TramoBinaural; }
    int tramoBase() const { return TramoBase; }
    float frecuenciaLed() const { return FrecuenciaLed; }
    float frecuenciaBase() const { return FrecuenciaBase; }
    int secuenciaActual() const { return SecuenciaActual; }
    // Rates last sent to the tone channels (0 before any); isochronic, the
    // right one is worked out but not sounded.
    std::int32_t rateLeft() const { return rateLeft_; }
    std::int32_t rateRight() const { return rateRight_; }
    // The pulse type of the session playing (or of the last one).
    PulseType pulseType() const { return pulse_; }

private:
    session::SessionModel& model_;
    PlayerView& view_;
    ToneBank& tones_;
    MasterVolume& master_;
    links::GlassesLink& glasses_;
    links::MusicLink& music_;
    Clock& clock_;

    std::int64_t HoraInicio = 0; // monotonic ms at Play
    std::int32_t DuracionSesion = 0;
    int TramoBinaural = 0;
    int TramoBase = 0;
    float FrecuenciaBase = 0;
    float FrecuenciaLed = 0;
    int SecuenciaActual = 0;
    double NivelMaestroGuardado = 0;
    int PasoFundido = 0;
    bool sessionTimer_ = false;
    bool fadeTimer_ = false;
    std::int32_t rateLeft_ = 0, rateRight_ = 0;
    PulseType pulse_ = PulseType::Binaural;
};

// The tone rates for a base and a beat frequency: the wave files hold a
// 1000 Hz tone at 44100 samples per second.
std::int32_t rateFor(double hz);

} // namespace vs::playback
