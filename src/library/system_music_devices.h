// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The playlist's devices as the program has them: the audio library's streams
// and CD (bass.h, cd.h) and the MIDI sequencer's command strings (mci.h).
#include "music_devices.h"

namespace vs::library {

class SystemMusicDevices : public MusicDevices {
public:
    std::uint32_t streamCreate(const std::string& path) override;
    std::uint32_t streamPlay(std::uint32_t stream) override;
    void streamStop(std::uint32_t stream) override;
    void streamFree(std::uint32_t stream) override;
    bool streamActive(std::uint32_t stream) override;
    std::uint64_t streamLengthBytes(std::uint32_t stream) override;
    std::uint64_t musicLengthBytes(std::uint32_t handle) override;
    std::uint32_t channelRate(std::uint32_t channel) override;
    std::uint32_t channelFlags(std::uint32_t channel) override;

    std::uint32_t mci(const std::string& command, std::string* reply) override;

    std::uint32_t cdInit(const std::string& drive) override;
    void cdFree() override;
    std::uint32_t cdTrackLengthMs(std::uint32_t track) override;
    std::uint32_t cdPlay(std::uint32_t track) override;
    bool cdActive() override;
    void cdStop() override;
    std::vector<std::string> cdDrives() override;
    std::vector<audio::CdTrackInfo> cdTracks(const std::string& drive) override;
};

} // namespace vs::library
