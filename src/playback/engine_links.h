// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The session player's outside world made of the real parts: three sample
// players over the audio engine and the system mixer's master level.
#include "audio/bass_sample.h"
#include "audio/volume.h"
#include "session_player.h"

#include <algorithm>
#include <memory>

namespace vs::playback {

class SampleChannel : public ToneChannel {
public:
    static constexpr std::int32_t kRateMinima = 100;
    explicit SampleChannel(audio::BassSample& sample) : sample_(sample) {}
    bool Playing() override { return sample_.Playing(); }
    void Play(std::int32_t volume, std::int32_t rate, bool loop) override;
    // The engine reads rate 0 as "the file's own rate" (a 1000 Hz tone); a 0 Hz
    // base must stay inaudible, so the lowest rate (about 2 Hz) stands for it.
    void setFrequencyEx(std::int32_t rate) override {
        rate = std::max(rate, kRateMinima);
        sample_.setFrequencyEx(rate);
    }
    void setVolumeEx(std::int32_t volume) override { sample_.setVolumeEx(volume); }
    void StopPlay() override { sample_.StopPlay(); }

private:
    audio::BassSample& sample_;
};

// OndaL, OndaR and OndaM. Created only when the audio library started; until
// then (or without it) the bank hands out no channels and the session is silent.
class SampleToneBank : public ToneBank {
public:
    // Creates the three sample players (the audio library is up).
    void create();
    // Frees the samples and drops the players (shutdown).
    void release();
    bool created() const { return ondaL_ != nullptr; }

    void CargarOndas() override;
    ToneChannel* ondaL() override { return chL_.get(); }
    ToneChannel* ondaR() override { return chR_.get(); }
    ToneChannel* ondaM() override { return chM_.get(); }

    audio::BassSample* sampleL() { return ondaL_.get(); }
    audio::BassSample* sampleR() { return ondaR_.get(); }
    audio::BassSample* sampleM() { return ondaM_.get(); }

private:
    std::unique_ptr<audio::BassSample> ondaL_, ondaR_, ondaM_;
    std::unique_ptr<SampleChannel> chL_, chR_, chM_;
};

class MixerMaster : public MasterVolume {
public:
    explicit MixerMaster(audio::clsVolume& volume) : volume_(volume) {}
    std::int32_t VolumeLevel() override { return volume_.VolumeLevel(); }
    void setVolumeLevel(std::int32_t level) override { volume_.setVolumeLevel(level); }

private:
    audio::clsVolume& volume_;
};

} // namespace vs::playback
