// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the playlist and the music player do to the outside world: an
// engine's file streams, the MIDI sequencer's command strings and the CD, in
// the engine's own terms (stream ids, lengths as durations). The one real
// implementation works over whichever engine it is given (engine_music_devices.h);
// tests hand in a double.
//
// Thread rule: every call on the thread that drives the engine behind it (the
// UI thread for the program's).
#include "audio/cd.h"
#include "audio/engine.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace vs::library {

using Seconds = std::chrono::duration<double>;

class MusicDevices {
public:
    virtual ~MusicDevices() = default;

    // --- Streams ("mp3": MP3, WAV and Ogg files) ---------------------------
    // Empty on failure.
    virtual audio::StreamId streamCreate(const std::string& path) = 0;
    // True: started.
    virtual bool streamPlay(audio::StreamId stream) = 0;
    virtual void streamStop(audio::StreamId stream) = 0;
    virtual void streamFree(audio::StreamId stream) = 0;
    virtual bool streamActive(audio::StreamId stream) = 0;
    // The file's exact length; nothing for an id that names no stream.
    virtual std::optional<Seconds> streamLength(audio::StreamId stream) = 0;

    // --- MIDI ("mid") --------------------------------------------------------
    // One command string; 0 on success. `reply` may be null.
    virtual std::uint32_t mci(const std::string& command, std::string* reply) = 0;

    // --- CD ("cda") ----------------------------------------------------------
    // True: ready.
    virtual bool cdInit(const std::string& drive) = 0;
    virtual void cdFree() = 0;
    // Nothing when there is no disc or no such track.
    virtual std::optional<std::chrono::milliseconds> cdTrackLength(int track) = 0;
    // Plays from the track's start, no loop, once audio flows. True: started.
    virtual bool cdPlay(int track) = 0;
    virtual bool cdActive() = 0;
    virtual void cdStop() = 0;
    virtual std::vector<std::string> cdDrives() = 0;
    virtual std::vector<audio::CdTrackInfo> cdTracks(const std::string& drive) = 0;
};

} // namespace vs::library
