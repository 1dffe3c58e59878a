// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_player.h"

#include "base/numeric.h"
#include "playback_keys.h"
#include "session/session_model.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace vs::playback {
namespace {

class SteadyClock : public Clock {
public:
    std::int64_t nowMs() override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

// The fade length as the player uses it. The preference file is the user's to
// edit; a value outside the documented range would overflow the end test.
int fadeSeconds(const PlayerView& view) {
    return std::clamp(view.ultimosSegundos(), 0, pref::kUltimosSegundosMax);
}

} // namespace

Clock& steadyClock() {
    static SteadyClock clock;
    return clock;
}

std::int32_t rateFor(double hz) {
    return toInt32(hz * 44100.0 / 1000.0);
}

SessionPlayer::SessionPlayer(session::SessionModel& model, PlayerView& view, ToneBank& tones,
                             MasterVolume& master, links::GlassesLink& glasses,
                             links::MusicLink& music, Clock& clock)
    : model_(model), view_(view), tones_(tones), master_(master), glasses_(glasses), music_(music),
      clock_(clock) {}

void SessionPlayer::Play() {
    Stop();
    if (!view_.chkBinaural() && !view_.chkMascara() && !view_.chkMusica()) return;
    if (model_.lengthSeconds() <= 0) return;

    view_.setCursor(model_.MedioPunto, true);
    HoraInicio = clock_.nowMs();
    const SoundChoice sound = view_.sound();
    pulse_ = sound.pulse;
    tones_.CargarOndas(pulse_, sound.noise);
    TramoBinaural = 0;
    TramoBase = 0;
    rateLeft_ = rateRight_ = 0;
    DuracionSesion = model_.lengthSeconds();
    SecuenciaActual = model_.cellSequence(1);
    glasses_.setSecuenciaActual(SecuenciaActual);
    if (glasses_.GafasMentales()) glasses_.setClockEnabled(true);
    sessionTimer_ = true;
    view_.setSessionTimer(true);
    view_.setLocked(true);
    music_.PlayMusica();
}

void SessionPlayer::Stop() {
    sessionTimer_ = false;
    view_.setSessionTimer(false);
    if (glasses_.GafasMentales()) glasses_.setClockEnabled(false);
    fadeTimer_ = false;
    view_.setFadeTimer(false);
    music_.PararMusica();
    PararBinaural();
    view_.setLocked(false);
    view_.setCursor(model_.MedioPunto, false);
    view_.setInfoHz("");
    view_.setInfoFR("");
    view_.setInfoTime("");
    master_.setVolumeLevel(toInt32(NivelMaestroGuardado));
}

void SessionPlayer::PararBinaural() {
    for (ToneChannel* c : {tones_.ondaL(), tones_.ondaR(), tones_.ondaM()})
        if (c) c->StopPlay();
    glasses_.darken();
}

void SessionPlayer::Tick() {
    if (!sessionTimer_) return;
    const auto& m = model_;
    const float k = m.MedioPunto;
    const float span = m.W - 2 * k;

    // Whole seconds on the monotonic clock: crossing midnight or a change of
    // the system time does not disturb a running session.
    const double e = std::floor(static_cast<double>(clock_.nowMs() - HoraInicio) / 1000.0);
    const float p = static_cast<float>(e / DuracionSesion);
    const float x = k + p * span;
    view_.setCursor(x, true);
    view_.setInfoTime(session::FormatoTiempo(toInt32(e * 1000.0)));

    const int N = m.NumPuntos;
    if (m.Punto[N].Left + k <= x) {
        Stop();
        return;
    }

    // Points may be deleted while playing: never walk past the last segment.
    if (TramoBinaural > N - 1) TramoBinaural = N - 1;
    if (TramoBinaural < N - 1 && m.Punto[TramoBinaural + 1].Left + k <= x) {
        ++TramoBinaural;
        int seq = m.cellSequence(TramoBinaural);
        if (seq != 0) {
            SecuenciaActual = seq;
            glasses_.setSecuenciaActual(seq);
        }
    }
    const int M = m.NumPuntosFR;
    if (TramoBase > M - 1) TramoBase = M - 1;
    if (TramoBase < M - 1 && m.PuntoFR[TramoBase + 1].Left + k <= x) ++TramoBase;
    // The segment's ends are read afresh on every tick: a point of the
    // current segment moved, deleted or brought back by undo is heard at the
    // next tick, not only from the next segment on. The beat is worked out in
    // double, the base in single precision, both from end frequencies held in
    // single precision; unchanged points give the same tones to the last bit.
    const auto seconds = [&](float left) { return m.timeSeconds(left, DuracionSesion); };
    if (TramoBinaural >= 1) {
        const auto hz = [&](float top) { return static_cast<float>(m.binauralHz(top)); };
        FrecuenciaLed =
            static_cast<float>(m.Punto.valueOnSegment<double>(TramoBinaural, e, seconds, hz));
    }
    if (TramoBase >= 1) {
        const auto hz = [&](float top) { return static_cast<float>(m.baseHz(top)); };
        FrecuenciaBase =
            m.PuntoFR.valueOnSegment<float>(TramoBase, static_cast<float>(e), seconds, hz);
    }
    if (FrecuenciaBase < 0) FrecuenciaBase = 0;
    if (FrecuenciaLed < 0) FrecuenciaLed = 0;
    glasses_.setFrecuenciaLed(FrecuenciaLed);

    if (view_.chkBinaural()) {
        view_.setInfoFR(formatFixed(FrecuenciaBase, 0));
        view_.setInfoHz(formatFixed(FrecuenciaLed, 1));
        rateLeft_ = rateFor(FrecuenciaBase);
        rateRight_ = rateFor(static_cast<double>(FrecuenciaLed) + FrecuenciaBase);
        const std::int32_t v = toInt32(view_.scrollVolumenBinaural() / 10.0);
        ToneChannel* l = tones_.ondaL();
        ToneChannel* r = tones_.ondaR();
        // Isochronic: the base tone alone, pulsed at the beat; the pulse's
        // phase runs on in the engine, so a new rate bends the train.
        const bool isochronic = pulse_ == PulseType::Isochronic;
        if (l && r) {
            if (isochronic) l->setPulse(FrecuenciaLed);
            if (!l->Playing()) {
                l->Play(v, rateLeft_, true);
                if (!isochronic) r->Play(v, rateRight_, true);
            } else {
                l->setFrequencyEx(rateLeft_);
                l->setVolumeEx(v);
                if (!isochronic) {
                    r->setFrequencyEx(rateRight_);
                    r->setVolumeEx(v);
                }
            }
        }
    }

    if (view_.chkMascara()) {
        if (ToneChannel* mask = tones_.ondaM()) {
            const std::int32_t v = toInt32(view_.scrollVolumenMascara() / 10.0);
            if (!mask->Playing()) mask->Play(v, -1, true);
            mask->setVolumeEx(v);
        }
    }

    // With no fade seconds there is nothing to fade: the level stays as it is.
    const int n = fadeSeconds(view_);
    if (n > 0 && (m.lengthSeconds() - e) <= n + 1 && !fadeTimer_) {
        NivelMaestroGuardado = master_.VolumeLevel();
        PasoFundido = 0;
        fadeTimer_ = true;
        view_.setFadeTimer(true);
    }

    if (view_.chkMusica() && p < 1 && music_.songEnded()) {
        music_.PararMusica();
        music_.SiguienteCancion();
        music_.PlayMusica();
    }

    if (p >= 1) Stop();
}

void SessionPlayer::FadeTick() {
    if (!fadeTimer_) return;
    ++PasoFundido;
    const int n = fadeSeconds(view_);
    if (n <= 0) return;
    const float r = static_cast<float>(PasoFundido) / static_cast<float>(n);
    if (r <= 1) master_.setVolumeLevel(toInt32((100.0 - r * 100.0) * NivelMaestroGuardado / 100.0));
}

} // namespace vs::playback
