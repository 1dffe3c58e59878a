// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One sound sample held in memory and its current playback: load a wave file,
// play it (as a rule looping), retune and re-level the sounding playback on
// the fly, stop and free it. Failures are shown to the user (critical box)
// and the call returns normally; nothing is thrown.
//
// It holds the engine it plays on and that engine's ids of its sample and of
// the playback its last Play started; the values it is given are held to the
// engine's ranges by the engine's own clamps (engine.h).
//
// Thread rule: the thread that drives its engine (the UI thread for the
// program's), like the engine operations it calls.
#include "audio/engine.h"
#include "base/services.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vs::audio {

class BassSample {
public:
    // `engine` outlives the player; failures are told through `messages`.
    explicit BassSample(Engine& engine, MessageService& messages = vs::messages());
    ~BassSample();
    BassSample(const BassSample&) = delete;
    BassSample& operator=(const BassSample&) = delete;

    bool FileLoaded() const { return bool(sample_); }
    // True exactly when the engine reports the playback as playing (not paused).
    bool Playing() const;
    bool IsSliding() const { return sliding_; }

    // Defaults for the next Play; they do not touch a sounding playback.
    // Writers clamp and write the clamped value back into the argument.
    bool LoopSample() const { return loop_; }
    void setLoopSample(bool looped) { loop_ = looped; }
    std::int32_t volume() const { return volume_; }
    void setVolume(std::int32_t& vol); // -1 (the sample's own) or 0..100
    std::int32_t Frequency() const { return rate_; }
    void setFrequency(std::int32_t& freq); // -1 or 0 kept, else 100..100000 Hz
    std::int32_t pan() const { return pan_; }
    void setPan(std::int32_t& lPan); // -101 (the sample's own) or -100..100
    std::int32_t StartPos() const { return start_; }
    void setStartPos(std::int32_t& pos) { start_ = pos; }
    // How the next Play voices the sample (engine.h's PlayParams): every
    // channel in both ears, and the isochronic pulse it starts with. By
    // default each channel sounds in its own ear, steadily.
    bool BothEars() const { return bothEars_; }
    void setBothEars(bool both) { bothEars_ = both; }
    const PulseSettings& Pulse() const { return pulse_; }
    void setPulse(const PulseSettings& pulse) { pulse_ = pulse; }

    // The sounding playback, at once; nothing is stored. Reads ask the engine,
    // falling back to the stored default when there is no playback.
    std::int32_t VolumeEx() const;
    void setVolumeEx(std::int32_t& vol); // -1: unchanged
    std::int32_t FrequencyEx() const;
    void setFrequencyEx(std::int32_t& freq); // -1: unchanged; 0: the sample's own
    std::int32_t PanEx() const;
    void setPanEx(std::int32_t& lPan); // -101: unchanged

    // Replaces the held sample with the file's. `maxPlaybacks` is clamped to
    // 1..65535. On failure shows "No se puede cargar el fichero" and the path,
    // and holds no sample.
    void Load(const std::string& path, std::int32_t& maxPlaybacks, bool& eightBit, bool& mono,
              bool& looped);
    // Omitted arguments take the stored defaults; given volume and pan are
    // clamped. A rate of -1 or 0 is the sample's own. The start is a byte
    // position, counted in 16-bit (8-bit when loaded so) frames.
    void Play(std::optional<std::int32_t> volume = std::nullopt,
              std::optional<std::int32_t> pan = std::nullopt,
              std::optional<std::int32_t> rate = std::nullopt,
              std::optional<std::int32_t> start = std::nullopt,
              std::optional<bool> loop = std::nullopt);
    // The same with a rate already made (Rate::hz(0) is the lowest rate, not
    // the sample's own), pan and start the stored defaults.
    void Play(std::int32_t volume, Rate rate, bool loop);
    void setFrequencyEx(Rate rate);
    // The sounding playback's pulse: a new rate bends the train, on and off glide.
    void setPulseEx(const PulseSettings& pulse);
    void StopPlay();
    void Free();
    void Pause();
    void ResumePlay();

    SampleId sample() const { return sample_; }
    VoiceId voice() const { return voice_; }

private:
    void play(std::int32_t volume, std::int32_t pan, Rate rate, std::int32_t start, bool loop);
    void change(const AttributeChange& change, const char* refusal);
    void attributes(std::int32_t& rate, std::int32_t& vol, std::int32_t& pan) const;

    Engine& engine_;
    MessageService& messages_;
    SampleId sample_;
    VoiceId voice_;
    std::int32_t start_ = 0;
    std::int32_t rate_ = 0;
    std::int32_t volume_ = 0;
    std::int32_t pan_ = 0;
    bool loop_ = false;
    bool bothEars_ = false;
    PulseSettings pulse_;
    bool sliding_ = false; // nothing slides; kept for callers that ask
};

} // namespace vs::audio
