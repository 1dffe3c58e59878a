// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Mixer double: every line present, levels kept in memory, every write recorded.
#include "audio/volume.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace vs::audio {

class RecordingMixerBackend : public MixerBackend {
public:
    std::array<std::int32_t, 4> levels{};
    std::array<bool, 4> present{true, true, true, true};
    std::vector<std::pair<MixerLine, std::int32_t>> writes;

    bool hasLine(MixerLine line) const override { return present[std::size_t(line)]; }
    bool read(MixerLine line, std::int32_t& level) override {
        if (!hasLine(line)) return false;
        level = levels[std::size_t(line)];
        return true;
    }
    bool write(MixerLine line, std::int32_t level) override {
        if (!hasLine(line)) return false;
        writes.emplace_back(line, level);
        levels[std::size_t(line)] = level;
        return true;
    }
};

} // namespace vs::audio
