// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The session player's sound made of the real parts, on whichever engine it
// is given (the program's, or an export's own): the three tone players and
// the master level. Live play and export use these same classes.
#include "audio/bass_sample.h"
#include "audio/volume.h"
#include "playback/session_player.h"
#include "playback/tone_waves.h"

#include <memory>
#include <optional>

namespace vs {
class MessageService;
}

namespace vs::playback {

// One looping sample player as the session uses it. The rate goes to the
// engine as its Rate, whose one clamp makes a 0 Hz base the lowest rate
// (inaudible) rather than the file's own 1000 Hz.
class SampleToneChannel : public ToneChannel {
public:
    explicit SampleToneChannel(audio::BassSample& sample) : sample_(sample) {}
    bool Playing() override { return sample_.Playing(); }
    void Play(std::int32_t volume, std::int32_t rate, bool loop) override;
    void setFrequencyEx(std::int32_t rate) override {
        sample_.setFrequencyEx(audio::Rate::hz(rate));
    }
    void setVolumeEx(std::int32_t volume) override { sample_.setVolumeEx(volume); }
    void StopPlay() override { sample_.StopPlay(); }
    void setPulse(double hz) override;

private:
    audio::BassSample& sample_;
};

// OndaL, OndaR and OndaM on one engine. Created only once that engine is up;
// until then (or without it) the bank hands out no channels and the session
// is silent.
class SampleToneBank : public ToneBank {
public:
    // `engine` and `messages` outlive the bank.
    SampleToneBank(audio::Engine& engine, MessageService& messages);
    ~SampleToneBank() override;

    // Creates the three sample players (the engine is up).
    void create();
    // Frees the samples and drops the players.
    void release();
    bool created() const { return ondaL_ != nullptr; }
    // Where CargarOndas loads from; until set, the program's files (rutasOndas()).
    // The coloured masks are looked for beside the original's (withNoise).
    void setWaves(const WavePaths& paths) { waves_ = paths; }
    // All three hold their file.
    bool loaded() const;

    void CargarOndas(PulseType pulse, NoiseColour noise) override;
    ToneChannel* ondaL() override { return chL_.get(); }
    ToneChannel* ondaR() override { return chR_.get(); }
    ToneChannel* ondaM() override { return chM_.get(); }

    audio::BassSample* sampleL() { return ondaL_.get(); }
    audio::BassSample* sampleR() { return ondaR_.get(); }
    audio::BassSample* sampleM() { return ondaM_.get(); }

private:
    audio::Engine& engine_;
    MessageService& messages_;
    std::optional<WavePaths> waves_;
    std::unique_ptr<audio::BassSample> ondaL_, ondaR_, ondaM_;
    std::unique_ptr<SampleToneChannel> chL_, chR_, chM_;
};

// The master level of a mixer-volume object: the system's master (with the
// engine's gain behind it) live, an export's own engine gain in a file.
class MixerMaster : public MasterVolume {
public:
    explicit MixerMaster(audio::clsVolume& volume) : volume_(volume) {}
    std::int32_t VolumeLevel() override { return volume_.VolumeLevel(); }
    void setVolumeLevel(std::int32_t level) override { volume_.setVolumeLevel(level); }

private:
    audio::clsVolume& volume_;
};

} // namespace vs::playback
