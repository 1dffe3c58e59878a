// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/bass_sample.h"

#include "base/interface_language.h"

#include <algorithm>

namespace vs::audio {
namespace {

// The design's "the sample's own" and "leave it as it is" values.
constexpr std::int32_t kOwnOrKeep = -1; // volume and rate
constexpr std::int32_t kOwnRate = 0;
constexpr std::int32_t kPanOwnOrKeep = -101;

// The writers' clamps: the engine's own, sparing the design's sentinels.
void holdVolume(std::int32_t& v) {
    if (v != kOwnOrKeep) v = clampVolume(v);
}
void holdRate(std::int32_t& f) {
    if (f != kOwnOrKeep && f != kOwnRate) f = Rate::clamp(f);
}
void holdPan(std::int32_t& p) {
    if (p != kPanOwnOrKeep) p = clampPan(p);
}

} // namespace

BassSample::BassSample(Engine& engine, MessageService& messages)
    : engine_(engine), messages_(messages) {}

BassSample::~BassSample() {
    if (Playing()) StopPlay();
    if (sample_) engine_.freeSample(sample_);
}

bool BassSample::Playing() const {
    return engine_.voiceState(voice_) == PlayState::Playing;
}

void BassSample::setVolume(std::int32_t& vol) {
    holdVolume(vol);
    volume_ = vol;
}

void BassSample::setFrequency(std::int32_t& freq) {
    holdRate(freq);
    rate_ = freq;
}

void BassSample::setPan(std::int32_t& lPan) {
    holdPan(lPan);
    pan_ = lPan;
}

void BassSample::attributes(std::int32_t& rate, std::int32_t& vol, std::int32_t& pan) const {
    rate = rate_;
    vol = volume_;
    pan = pan_;
    if (const auto info = engine_.voiceInfo(voice_)) {
        rate = info->rate;
        vol = info->volume;
        pan = info->pan;
    }
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

// Each Ex writer changes only its own attribute.
void BassSample::change(const AttributeChange& c, const char* refusal) {
    if (!engine_.setVoice(voice_, c)) messages_.critical(translate("BassSample", refusal));
}

void BassSample::setVolumeEx(std::int32_t& vol) {
    holdVolume(vol);
    AttributeChange c;
    if (vol != kOwnOrKeep) c.volume = vol;
    change(c, VS_TRANSLATE_NOOP("BassSample", "No se puede ajustar el volumen"));
}

void BassSample::setFrequencyEx(std::int32_t& freq) {
    holdRate(freq);
    AttributeChange c;
    if (freq == kOwnRate)
        c.rate = Rate::own();
    else if (freq != kOwnOrKeep)
        c.rate = Rate::hz(freq);
    change(c, VS_TRANSLATE_NOOP("BassSample", "No se puede modificar la frecuencia"));
}

void BassSample::setFrequencyEx(Rate rate) {
    AttributeChange c;
    c.rate = rate;
    change(c, VS_TRANSLATE_NOOP("BassSample", "No se puede modificar la frecuencia"));
}

void BassSample::setPulseEx(const PulseSettings& pulse) {
    AttributeChange c;
    c.pulse = pulse;
    change(c, VS_TRANSLATE_NOOP("BassSample", "No se puede modificar el pulso"));
}

void BassSample::setPanEx(std::int32_t& lPan) {
    holdPan(lPan);
    AttributeChange c;
    if (lPan != kPanOwnOrKeep) c.pan = lPan;
    change(c, VS_TRANSLATE_NOOP("BassSample", "No se puede establecer el panning"));
}

void BassSample::Load(const std::string& path, std::int32_t& maxPlaybacks, bool& eightBit,
                      bool& mono, bool& looped) {
    SampleOptions o;
    o.keepEightBit = eightBit;
    o.mixToMono = mono;
    // At the playback limit a new Play takes over the oldest playback. The
    // loop flag is the playback's, given with each Play.
    o.takeOverOldest = true;
    (void)looped;
    maxPlaybacks = std::clamp(maxPlaybacks, 1, 65535);
    if (sample_) engine_.freeSample(sample_);
    voice_ = {};
    sample_ = engine_.loadSample(path, o, maxPlaybacks);
    // The old sample is gone already: nothing of it is held on to.
    if (!sample_)
        messages_.critical(translate("BassSample", "No se puede cargar el fichero ") + path);
    if (rate_ == 0) rate_ = kOwnOrKeep;
    if (volume_ == 0) volume_ = kOwnOrKeep;
    if (pan_ == 0) pan_ = kPanOwnOrKeep;
}

void BassSample::Play(std::optional<std::int32_t> volume, std::optional<std::int32_t> pan,
                      std::optional<std::int32_t> rate, std::optional<std::int32_t> start,
                      std::optional<bool> loop) {
    const std::int32_t r = rate.value_or(rate_);
    play(volume ? clampVolume(*volume) : volume_, pan ? clampPan(*pan) : pan_,
         r <= 0 ? Rate::own() : Rate::hz(r), start.value_or(start_), loop.value_or(loop_));
}

void BassSample::Play(std::int32_t volume, Rate rate, bool loop) {
    play(volume, pan_, rate, start_, loop);
}

void BassSample::play(std::int32_t volume, std::int32_t pan, Rate rate, std::int32_t start,
                      bool loop) {
    if (!sample_) return;
    const auto info = engine_.sampleInfo(sample_);
    PlayParams p;
    p.rate = rate;
    p.volume = volume == kOwnOrKeep ? 100 : volume;
    p.pan = pan == kPanOwnOrKeep ? 0 : pan;
    p.loop = loop;
    p.bothEars = bothEars_;
    p.pulse = pulse_;
    p.startFrame = info ? std::max(start, 0) / info->bytesPerFrame() : 0;
    voice_ = info ? engine_.play(sample_, p) : VoiceId{};
    if (!voice_) messages_.critical(translate("BassSample", "No se puede iniciar el fichero"));
}

void BassSample::StopPlay() {
    if (!sample_) return;
    if (!engine_.stopSample(sample_))
        messages_.critical(translate("BassSample", "No se puede parar el fichero"));
}

void BassSample::Free() {
    if (sample_) engine_.freeSample(sample_);
    sample_ = {};
    voice_ = {};
}

void BassSample::Pause() {
    if (sample_ && voice_) engine_.pauseVoice(voice_);
}

void BassSample::ResumePlay() {
    if (sample_ && voice_) engine_.resumeVoice(voice_);
}

} // namespace vs::audio
