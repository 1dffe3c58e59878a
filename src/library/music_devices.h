// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the playlist and the music player do to the outside world: the
// engine's file streams, the MIDI sequencer's command strings and the CD.
// The program's implementation (SystemMusicDevices) goes to the audio library
// and the MIDI and CD devices; tests hand in a double; an offline render may
// hand in one over a private engine.
//
// Thread rule: every call on the UI thread (or the one thread that drives
// the engine behind the implementation).
#include "audio/cd.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vs::library {

class MusicDevices {
public:
    virtual ~MusicDevices() = default;

    // --- Streams ("mp3": MP3, WAV and Ogg files) ---------------------------
    // Stream handle or 0.
    virtual std::uint32_t streamCreate(const std::string& path) = 0;
    // Nonzero: started.
    virtual std::uint32_t streamPlay(std::uint32_t stream) = 0;
    virtual void streamStop(std::uint32_t stream) = 0;
    virtual void streamFree(std::uint32_t stream) = 0;
    virtual bool streamActive(std::uint32_t stream) = 0;
    // Length in bytes as the audio library counts them; kNotAStream for a
    // handle that is not a stream.
    virtual std::uint64_t streamLengthBytes(std::uint32_t stream) = 0;
    virtual std::uint64_t musicLengthBytes(std::uint32_t handle) = 0;
    // Rate in Hz (0 for an unknown handle) and the 8-bit / mono flags.
    virtual std::uint32_t channelRate(std::uint32_t channel) = 0;
    virtual std::uint32_t channelFlags(std::uint32_t channel) = 0;

    // --- MIDI ("mid") --------------------------------------------------------
    // One command string; 0 on success. `reply` may be null.
    virtual std::uint32_t mci(const std::string& command, std::string* reply) = 0;

    // --- CD ("cda") ----------------------------------------------------------
    // Nonzero: ready.
    virtual std::uint32_t cdInit(const std::string& drive) = 0;
    virtual void cdFree() = 0;
    // Milliseconds; kNoCdTrack when there is no disc or no such track.
    virtual std::uint32_t cdTrackLengthMs(std::uint32_t track) = 0;
    // Plays from the track's start, no loop, once audio flows. Nonzero: started.
    virtual std::uint32_t cdPlay(std::uint32_t track) = 0;
    virtual bool cdActive() = 0;
    virtual void cdStop() = 0;
    virtual std::vector<std::string> cdDrives() = 0;
    virtual std::vector<audio::CdTrackInfo> cdTracks(const std::string& drive) = 0;
};

inline constexpr std::uint32_t kNoCdTrack = 0xFFFFFFFFu;

} // namespace vs::library
