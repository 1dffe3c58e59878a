// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/bass_sample.h"

#include "audio/bass.h"
#include "base/services.h"

#include <algorithm>

namespace vs::audio {
namespace {

// The engine's "leave it as it is" values for each attribute.
constexpr std::int32_t kKeepRate = -1;
constexpr std::int32_t kKeepVolume = -1;
constexpr std::int32_t kKeepPan = -101;

void clampVolume(std::int32_t& v) {
    if (v != -1) v = std::clamp(v, 0, 100);
}
void clampRate(std::int32_t& f) {
    if (f != -1 && f != 0) f = std::clamp(f, 100, 100000);
}
void clampPan(std::int32_t& p) {
    if (p != -101) p = std::clamp(p, -100, 100);
}

} // namespace

BassSample::~BassSample() {
    if (Playing()) StopPlay();
    if (sample_ != 0) BASS_SampleFree(sample_);
    sample_ = 0;
}

// Channel 0 is the audio library's CD channel: before its first Play (or
// after Load or Free) this player has no channel, and a CD track playing
// meanwhile must neither pass for it nor be stopped or paused through it.
bool BassSample::Playing() const {
    return channel_ != 0 && BASS_ChannelIsActive(channel_) == kPlaying;
}

void BassSample::setVolume(std::int32_t& vol) {
    clampVolume(vol);
    volume_ = vol;
}

void BassSample::setFrequency(std::int32_t& freq) {
    clampRate(freq);
    rate_ = freq;
}

void BassSample::setPan(std::int32_t& lPan) {
    clampPan(lPan);
    pan_ = lPan;
}

void BassSample::attributes(std::int32_t& rate, std::int32_t& vol, std::int32_t& pan) const {
    rate = rate_;
    vol = volume_;
    pan = pan_;
    BASS_ChannelGetAttributes(channel_, &rate, &vol, &pan);
}

std::int32_t BassSample::VolumeEx() const {
    std::int32_t r, v, p;
    attributes(r, v, p);
    return v;
}

std::int32_t BassSample::FrequencyEx() const {
    std::int32_t r, v, p;
    attributes(r, v, p);
    return r;
}

std::int32_t BassSample::PanEx() const {
    std::int32_t r, v, p;
    attributes(r, v, p);
    return p;
}

// Each Ex writer changes only its own attribute. Passing -1 as the pan along
// with a new rate or volume would set the pan to 1 % left on every retune.
void BassSample::setVolumeEx(std::int32_t& vol) {
    clampVolume(vol);
    if (BASS_ChannelSetAttributes(channel_, kKeepRate, vol, kKeepPan) == 0)
        messages().critical("No se puede ajustar el volumen");
}

void BassSample::setFrequencyEx(std::int32_t& freq) {
    clampRate(freq);
    if (BASS_ChannelSetAttributes(channel_, freq, kKeepVolume, kKeepPan) == 0)
        messages().critical("No se puede modificar la frecuencia");
}

void BassSample::setPanEx(std::int32_t& lPan) {
    clampPan(lPan);
    if (BASS_ChannelSetAttributes(channel_, kKeepRate, kKeepVolume, lPan) == 0)
        messages().critical("No se puede establecer el panning");
}

void BassSample::Load(const std::string& path, std::int32_t& maxPlaybacks, bool& eightBit,
                      bool& mono, bool& looped) {
    std::uint32_t flags = kSampleTakeOldest;
    if (eightBit) flags |= kSample8Bit;
    if (mono) flags |= kSampleMono;
    if (looped) flags |= kSampleLoop;
    maxPlaybacks = std::clamp(maxPlaybacks, 1, 65535);
    if (sample_ != 0) BASS_SampleFree(sample_);
    channel_ = 0;
    sample_ = BASS_SampleLoad(0, path.c_str(), 0, 0, std::uint32_t(maxPlaybacks), flags);
    if (sample_ == 0) {
        // The old sample is gone already; holding its stale handle would let a
        // later call reach whatever reuses it.
        messages().critical("No se puede cargar el fichero " + path);
    }
    if (rate_ == 0) rate_ = -1;
    if (volume_ == 0) volume_ = -1;
    if (pan_ == 0) pan_ = -101;
}

void BassSample::Play(std::optional<std::int32_t> volume, std::optional<std::int32_t> pan,
                      std::optional<std::int32_t> rate, std::optional<std::int32_t> start,
                      std::optional<bool> loop) {
    std::int32_t v = volume ? std::clamp(*volume, 0, 100) : volume_;
    std::int32_t p = pan ? std::clamp(*pan, -100, 100) : pan_;
    const std::int32_t r = rate.value_or(rate_);
    const std::int32_t s = start.value_or(start_);
    const bool l = loop.value_or(loop_);
    if (sample_ == 0) return;
    channel_ = BASS_SamplePlayEx(sample_, std::uint32_t(std::max(s, 0)), r, v, p, l ? 1 : 0);
    if (channel_ == 0) messages().critical("No se puede iniciar el fichero");
}

void BassSample::StopPlay() {
    if (sample_ == 0) return;
    if (BASS_SampleStop(sample_) == 0) messages().critical("No se puede parar el fichero");
}

void BassSample::Free() {
    if (sample_ != 0) BASS_SampleFree(sample_);
    sample_ = 0;
    channel_ = 0;
}

void BassSample::Pause() {
    if (sample_ != 0 && channel_ != 0) BASS_ChannelPause(channel_);
}

void BassSample::ResumePlay() {
    if (sample_ != 0 && channel_ != 0) BASS_ChannelResume(channel_);
}

} // namespace vs::audio
