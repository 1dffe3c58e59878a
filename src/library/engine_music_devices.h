// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The playlist's devices on one engine: its file streams, a MIDI sequencer
// and a CD player of its own that play into that engine's Synth and CD lines.
// The program's playlist runs on the program's engine; an export's on its own.
#include "audio/cd.h"
#include "audio/mci.h"
#include "music_devices.h"

namespace vs::library {

class EngineMusicDevices : public MusicDevices {
public:
    // `engine` outlives the devices; calls on the thread that drives it.
    // `streamVolume` (0..100): the volume every stream plays at. The program
    // leaves it full and sets the wave line's level; an export's wave line
    // also carries the tones, so its music level goes on the streams.
    explicit EngineMusicDevices(audio::Engine& engine, int streamVolume = 100);

    audio::StreamId streamCreate(const std::string& path) override;
    bool streamPlay(audio::StreamId stream) override;
    void streamStop(audio::StreamId stream) override;
    void streamFree(audio::StreamId stream) override;
    bool streamActive(audio::StreamId stream) override;
    std::optional<Seconds> streamLength(audio::StreamId stream) override;

    std::uint32_t mci(const std::string& command, std::string* reply) override;

    bool cdInit(const std::string& drive) override;
    void cdFree() override;
    std::optional<std::chrono::milliseconds> cdTrackLength(int track) override;
    bool cdPlay(int track) override;
    bool cdActive() override;
    void cdStop() override;
    std::vector<std::string> cdDrives() override;
    std::vector<audio::CdTrackInfo> cdTracks(const std::string& drive) override;

private:
    audio::Engine& engine_;
    int streamVolume_;
    audio::MciSequencer sequencer_;
    audio::CdPlayer cd_;
};

} // namespace vs::library
