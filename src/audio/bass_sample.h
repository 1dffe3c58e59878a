// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One sound sample held in memory and its current playback: load a wave file,
// play it (as a rule looping), retune and re-level the sounding playback on
// the fly, stop and free it. Failures are shown to the user (critical box)
// and the call returns normally; nothing is thrown.
//
// Thread rule: UI thread only, like the engine operations it calls.
#include <cstdint>
#include <optional>
#include <string>

namespace vs::audio {

class BassSample {
public:
    BassSample() = default;
    ~BassSample();
    BassSample(const BassSample&) = delete;
    BassSample& operator=(const BassSample&) = delete;

    bool FileLoaded() const { return sample_ > 0; }
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

    // The sounding playback, at once; nothing is stored. Reads ask the engine,
    // falling back to the stored default when there is no playback.
    std::int32_t VolumeEx() const;
    void setVolumeEx(std::int32_t& vol);
    std::int32_t FrequencyEx() const;
    void setFrequencyEx(std::int32_t& freq);
    std::int32_t PanEx() const;
    void setPanEx(std::int32_t& lPan);

    // Replaces the held sample with the file's. `maxPlaybacks` is clamped to
    // 1..65535. On failure shows "No se puede cargar el fichero" and the path,
    // and holds no sample.
    void Load(const std::string& path, std::int32_t& maxPlaybacks, bool& eightBit, bool& mono,
              bool& looped);
    // Omitted arguments take the stored defaults; given volume and pan are clamped.
    void Play(std::optional<std::int32_t> volume = std::nullopt,
              std::optional<std::int32_t> pan = std::nullopt,
              std::optional<std::int32_t> rate = std::nullopt,
              std::optional<std::int32_t> start = std::nullopt,
              std::optional<bool> loop = std::nullopt);
    void StopPlay();
    void Free();
    void Pause();
    void ResumePlay();

    std::uint32_t sampleHandle() const { return sample_; }
    std::uint32_t channelHandle() const { return channel_; }

private:
    void attributes(std::int32_t& rate, std::int32_t& vol, std::int32_t& pan) const;

    std::uint32_t sample_ = 0;
    std::uint32_t channel_ = 0;
    std::int32_t start_ = 0;
    std::int32_t rate_ = 0;
    std::int32_t volume_ = 0;
    std::int32_t pan_ = 0;
    bool loop_ = false;
    bool sliding_ = false; // nothing slides; kept for callers that ask
};

} // namespace vs::audio
