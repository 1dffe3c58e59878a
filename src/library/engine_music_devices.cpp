// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine_music_devices.h"

#include "audio/bass.h"
#include "audio/engine.h"

#include <algorithm>
#include <optional>

namespace vs::library {

namespace {

// Slot in the low byte, the generation (never 0) above it: no handle is 0,
// which stands for the CD.
static_assert(audio::Engine::kMaxStreams <= 256);
std::uint32_t handleOf(audio::StreamId id) {
    return id ? (id.generation << 8) | id.slot : 0;
}
audio::StreamId idOf(std::uint32_t handle) {
    return {std::uint16_t(handle & 0xFF), handle >> 8};
}

} // namespace

std::uint32_t EngineMusicDevices::streamCreate(const std::string& path) {
    return handleOf(engine_.createStream(path));
}
std::uint32_t EngineMusicDevices::streamPlay(std::uint32_t s) {
    return s != 0 && engine_.playStream(idOf(s)) ? 1 : 0;
}
void EngineMusicDevices::streamStop(std::uint32_t s) {
    if (s != 0) engine_.stopStream(idOf(s));
}
void EngineMusicDevices::streamFree(std::uint32_t s) {
    if (s != 0) engine_.freeStream(idOf(s));
}
bool EngineMusicDevices::streamActive(std::uint32_t s) {
    return s != 0 && engine_.streamState(idOf(s)) == audio::PlayState::Playing;
}
std::uint64_t EngineMusicDevices::streamLengthBytes(std::uint32_t s) {
    const auto info = s != 0 ? engine_.streamInfo(idOf(s)) : std::nullopt;
    if (!info) return audio::kNotAStream;
    // Counted as the audio library counts them: 16-bit (or 8-bit) frames of
    // the file's own channels.
    return std::uint64_t(info->frames) * std::uint64_t(info->sourceChannels) *
           (info->eightBit ? 1u : 2u);
}
std::uint64_t EngineMusicDevices::musicLengthBytes(std::uint32_t) {
    return 0;
}
std::uint32_t EngineMusicDevices::channelRate(std::uint32_t s) {
    const auto info = s != 0 ? engine_.streamInfo(idOf(s)) : std::nullopt;
    return info && info->rate > 0 ? std::uint32_t(info->rate) : 0;
}
std::uint32_t EngineMusicDevices::channelFlags(std::uint32_t s) {
    const auto info = s != 0 ? engine_.streamInfo(idOf(s)) : std::nullopt;
    if (!info) return 0;
    return (info->sourceChannels == 1 ? audio::kChannelMono : 0) |
           (info->eightBit ? audio::kChannel8Bit : 0);
}

void EngineMusicDevices::setStreamVolume(std::uint32_t s, int volume) {
    if (s != 0)
        engine_.setStream(idOf(s), {std::nullopt, std::clamp(volume, 0, 100), std::nullopt});
}

} // namespace vs::library
