// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/player_sound.h"

namespace vs::playback {

void SampleToneChannel::Play(std::int32_t volume, std::int32_t rate, bool loop) {
    // Pan and start position are the sample's own defaults; a rate below 0
    // is the sample's own rate too (the masking noise).
    if (rate < 0)
        sample_.Play(volume, std::nullopt, std::nullopt, std::nullopt, loop);
    else
        sample_.Play(volume, audio::Rate::hz(rate), loop);
}

void SampleToneChannel::setPulse(double hz) {
    const audio::PulseSettings pulse{hz, true};
    sample_.setPulse(pulse);
    if (sample_.Playing()) sample_.setPulseEx(pulse);
}

SampleToneBank::SampleToneBank(audio::Engine& engine, MessageService& messages)
    : engine_(engine), messages_(messages) {}

SampleToneBank::~SampleToneBank() = default;

void SampleToneBank::create() {
    ondaL_ = std::make_unique<audio::BassSample>(engine_, messages_);
    ondaR_ = std::make_unique<audio::BassSample>(engine_, messages_);
    ondaM_ = std::make_unique<audio::BassSample>(engine_, messages_);
    chL_ = std::make_unique<SampleToneChannel>(*ondaL_);
    chR_ = std::make_unique<SampleToneChannel>(*ondaR_);
    chM_ = std::make_unique<SampleToneChannel>(*ondaM_);
}

void SampleToneBank::release() {
    for (auto* s : {ondaL_.get(), ondaR_.get(), ondaM_.get()})
        if (s) s->Free();
    chL_.reset();
    chR_.reset();
    chM_.reset();
    ondaL_.reset();
    ondaR_.reset();
    ondaM_.reset();
}

bool SampleToneBank::loaded() const {
    return created() && ondaL_->FileLoaded() && ondaR_->FileLoaded() && ondaM_->FileLoaded();
}

void SampleToneBank::CargarOndas(PulseType pulse, NoiseColour noise) {
    if (!created()) return;
    vs::playback::CargarOndas(*ondaL_, *ondaR_, *ondaM_,
                              withNoise(waves_ ? *waves_ : rutasOndas(), noise),
                              pulse == PulseType::Monaural);
    // Each session starts steady; the player pulses the left tone, which
    // then sounds alone, in both ears.
    ondaL_->setBothEars(pulse == PulseType::Isochronic);
    ondaL_->setPulse({});
    ondaR_->setPulse({});
}

} // namespace vs::playback
