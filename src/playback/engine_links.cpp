// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine_links.h"

#include "tone_waves.h"

namespace vs::playback {

void SampleChannel::Play(std::int32_t volume, std::int32_t rate, bool loop) {
    // Pan and start position are omitted: the sample's own defaults.
    if (rate < 0)
        sample_.Play(volume, std::nullopt, std::nullopt, std::nullopt, loop);
    else
        sample_.Play(volume, std::nullopt, std::max(rate, kRateMinima), std::nullopt, loop);
}

void SampleToneBank::create() {
    ondaL_ = std::make_unique<audio::BassSample>();
    ondaR_ = std::make_unique<audio::BassSample>();
    ondaM_ = std::make_unique<audio::BassSample>();
    chL_ = std::make_unique<SampleChannel>(*ondaL_);
    chR_ = std::make_unique<SampleChannel>(*ondaR_);
    chM_ = std::make_unique<SampleChannel>(*ondaM_);
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

void SampleToneBank::CargarOndas() {
    if (created()) vs::playback::CargarOndas(*ondaL_, *ondaR_, *ondaM_);
}

} // namespace vs::playback
