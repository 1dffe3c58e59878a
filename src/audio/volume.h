// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Volume levels of the master output and of the lines that carry the music
// (wave for sampled sound and streams, synth for MIDI, CD), on one scale of
// 0..65535 for every line. Levels go to the system's mixer where it has the
// line, and otherwise to the engine's own gain for it, so fades and music
// volume work on every machine. No error reaches the caller: a failed read
// gives 0, a failed write changes nothing.
//
// Thread rule: UI thread only.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vs::audio {

class Engine;

enum class MixerLine { Master = 0, Wave = 1, Synth = 2, CD = 3 };

inline constexpr std::int32_t kMixerMax = 65535;

// One source of levels, already on the 0..65535 scale.
class MixerBackend {
public:
    virtual ~MixerBackend() = default;
    virtual bool hasLine(MixerLine line) const = 0;
    // False when the level could not be read.
    virtual bool read(MixerLine line, std::int32_t& level) = 0;
    virtual bool write(MixerLine line, std::int32_t level) = 0;
};

// The ALSA simple mixer of a card ("default": the one the desktop uses).
// Elements Master, PCM, Synth and CD; each element's own range is mapped
// linearly onto 0..65535. A machine without the card or element has no line.
std::unique_ptr<MixerBackend> makeAlsaMixer(const std::string& card = "default");

// An engine's software gains: master and the three lines, always present.
// `engine` outlives the backend.
std::unique_ptr<MixerBackend> makeEngineMixer(Engine& engine);

class clsVolume {
public:
    // The system's mixer with `engine`'s gains behind it.
    explicit clsVolume(Engine& engine);
    // `system` may be null (no mixer at all); `fallback` serves the lines it lacks.
    clsVolume(std::unique_ptr<MixerBackend> system, std::unique_ptr<MixerBackend> fallback);
    ~clsVolume();

    std::int32_t VolumeLevel() const { return level(MixerLine::Master); }
    void setVolumeLevel(std::int32_t v) { setLevel(MixerLine::Master, v); }
    std::int32_t WaveLevel() const { return level(MixerLine::Wave); }
    void setWaveLevel(std::int32_t v) { setLevel(MixerLine::Wave, v); }
    std::int32_t SynLevel() const { return level(MixerLine::Synth); }
    void setSynLevel(std::int32_t v) { setLevel(MixerLine::Synth, v); }
    std::int32_t CDLevel() const { return level(MixerLine::CD); }
    void setCDLevel(std::int32_t v) { setLevel(MixerLine::CD, v); }

    // Maxima of the lines the music uses; 0 for a line nobody serves.
    std::int32_t WaveMax() const { return max(MixerLine::Wave); }
    std::int32_t SynMax() const { return max(MixerLine::Synth); }
    std::int32_t CDMax() const { return max(MixerLine::CD); }

private:
    MixerBackend* backendFor(MixerLine line) const;
    std::int32_t level(MixerLine line) const;
    void setLevel(MixerLine line, std::int32_t v);
    std::int32_t max(MixerLine line) const;

    std::unique_ptr<MixerBackend> system_;
    std::unique_ptr<MixerBackend> fallback_;
};

} // namespace vs::audio
