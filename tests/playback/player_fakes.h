// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Doubles for everything the session player touches, recording what it did.
#include "playback/session_player.h"

#include <string>
#include <vector>

namespace vs::test {

struct FakeClock : playback::Clock {
    std::int64_t now = 1'000'000;
    std::int64_t nowMs() override { return now; }
};

struct FakeChannel : playback::ToneChannel {
    bool playing = false;
    int plays = 0, stops = 0;
    std::int32_t rate = 0, volume = 0;
    double pulse = -1; // the last pulse rate given; -1: none
    bool Playing() override { return playing; }
    void Play(std::int32_t v, std::int32_t r, bool) override {
        playing = true;
        ++plays;
        volume = v;
        rate = r;
    }
    void setFrequencyEx(std::int32_t r) override { rate = r; }
    void setVolumeEx(std::int32_t v) override { volume = v; }
    void StopPlay() override {
        playing = false;
        ++stops;
    }
    void setPulse(double hz) override { pulse = hz; }
};

struct FakeTones : playback::ToneBank {
    FakeChannel l, r, m;
    bool present = true;
    int loads = 0;
    playback::PulseType loadedPulse = playback::PulseType::Binaural;
    playback::NoiseColour loadedNoise = playback::NoiseColour::Original;
    void CargarOndas(playback::PulseType pulse, playback::NoiseColour noise) override {
        ++loads;
        loadedPulse = pulse;
        loadedNoise = noise;
    }
    playback::ToneChannel* ondaL() override { return present ? &l : nullptr; }
    playback::ToneChannel* ondaR() override { return present ? &r : nullptr; }
    playback::ToneChannel* ondaM() override { return present ? &m : nullptr; }
};

struct FakeMaster : playback::MasterVolume {
    std::int32_t level = 60000;
    std::vector<std::int32_t> writes;
    std::int32_t VolumeLevel() override { return level; }
    void setVolumeLevel(std::int32_t v) override {
        level = v;
        writes.push_back(v);
    }
};

struct FakeGlasses : links::GlassesLink {
    bool gafas = true;
    bool clock = false;
    float frecuencia = -1;
    int secuencia = 0;
    int darkens = 0;
    bool GafasMentales() const override { return gafas; }
    void setClockEnabled(bool e) override { clock = e; }
    void setFrecuenciaLed(float hz) override { frecuencia = hz; }
    void setSecuenciaActual(int s) override { secuencia = s; }
    void darken() override { ++darkens; }
};

struct FakeMusic : links::MusicLink {
    int plays = 0, stops = 0, nexts = 0;
    bool ended = false;
    void PlayMusica() override { ++plays; }
    void PararMusica() override { ++stops; }
    void SiguienteCancion() override { ++nexts; }
    bool songEnded() override { return ended; }
};

struct FakeView : playback::PlayerView {
    bool binaural = true, mascara = false, musica = false;
    int volBinaural = 50, volMascara = 20, ultimos = 30;
    playback::SoundChoice choice;
    double cursorX = 0;
    bool cursorVisible = false, locked = false, sessionTimer = false, fadeTimer = false;
    std::string infoTime, infoHz, infoFR;
    bool chkBinaural() const override { return binaural; }
    bool chkMascara() const override { return mascara; }
    bool chkMusica() const override { return musica; }
    int scrollVolumenBinaural() const override { return volBinaural; }
    int scrollVolumenMascara() const override { return volMascara; }
    int ultimosSegundos() const override { return ultimos; }
    playback::SoundChoice sound() const override { return choice; }
    void setCursor(double x, bool v) override {
        cursorX = x;
        cursorVisible = v;
    }
    void setInfoTime(const std::string& t) override { infoTime = t; }
    void setInfoHz(const std::string& t) override { infoHz = t; }
    void setInfoFR(const std::string& t) override { infoFR = t; }
    void setLocked(bool l) override { locked = l; }
    void setSessionTimer(bool e) override { sessionTimer = e; }
    void setFadeTimer(bool e) override { fadeTimer = e; }
};

} // namespace vs::test
