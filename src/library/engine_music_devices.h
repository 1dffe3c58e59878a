// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The playlist's devices on an engine of one's own (an offline render of a
// session to a file): the streams are that engine's; the MIDI sequencer and
// the CD are handed on to `others`.
#include "music_devices.h"

namespace vs::audio {
class Engine;
}

namespace vs::library {

class EngineMusicDevices : public MusicDevices {
public:
    // Both must outlive this object; calls on the engine's controlling thread.
    EngineMusicDevices(audio::Engine& engine, MusicDevices& others)
        : engine_(engine), others_(others) {}

    std::uint32_t streamCreate(const std::string& path) override;
    std::uint32_t streamPlay(std::uint32_t stream) override;
    void streamStop(std::uint32_t stream) override;
    void streamFree(std::uint32_t stream) override;
    bool streamActive(std::uint32_t stream) override;
    std::uint64_t streamLengthBytes(std::uint32_t stream) override;
    std::uint64_t musicLengthBytes(std::uint32_t handle) override;
    std::uint32_t channelRate(std::uint32_t channel) override;
    std::uint32_t channelFlags(std::uint32_t channel) override;
    // The stream's own volume, 0..100 (an offline render's music level, which
    // must not move the tones sharing the engine's wave line).
    void setStreamVolume(std::uint32_t stream, int volume);

    std::uint32_t mci(const std::string& command, std::string* reply) override {
        return others_.mci(command, reply);
    }
    std::uint32_t cdInit(const std::string& drive) override { return others_.cdInit(drive); }
    void cdFree() override { others_.cdFree(); }
    std::uint32_t cdTrackLengthMs(std::uint32_t track) override {
        return others_.cdTrackLengthMs(track);
    }
    std::uint32_t cdPlay(std::uint32_t track) override { return others_.cdPlay(track); }
    bool cdActive() override { return others_.cdActive(); }
    void cdStop() override { others_.cdStop(); }
    std::vector<std::string> cdDrives() override { return others_.cdDrives(); }
    std::vector<audio::CdTrackInfo> cdTracks(const std::string& drive) override {
        return others_.cdTracks(drive);
    }

private:
    audio::Engine& engine_;
    MusicDevices& others_;
};

} // namespace vs::library
