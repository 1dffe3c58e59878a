// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the playlist works out from a song's path and from its stream: the
// kind that decides how it is played, the time text of its length, and the
// parts of a CD track's name.
#include "audio/engine.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vs::library {

class MusicDevices;

// The last three letters of the path in lower case, "wav" and "ogg" made
// "mp3" (everything played as a decoded stream): "mp3", "mid", "cda" or
// whatever else the name ends in.
std::string songKind(const std::string& path);

// Whole seconds as "mm:ss", or "hh:mm:ss" from one hour up; below 1: "00:00".
std::string textoTiempo(std::int64_t seconds);

// Milliseconds as whole seconds, halves to even.
std::int64_t secondsOfMs(double ms);
// The length of an open stream in whole seconds, halves to even; 0 when it
// cannot be said.
std::int64_t streamSeconds(MusicDevices& devices, audio::StreamId stream);

// Opens a MIDI file on the sequencer under `alias` with times in
// milliseconds, and returns its length in whole seconds (0 when the
// sequencer does not say).
std::int64_t openMidi(MusicDevices& devices, const std::string& path, const std::string& alias);

// A CD track in the playlist is "<drive>/TrackNN.cda": the drive (a device
// path or a disc image's .cue) is the folder part, NN the track number.
struct CdTrackRef {
    std::string drive;
    int track = 0;
};
std::optional<CdTrackRef> parseCdTrackPath(const std::string& path);
std::string cdTrackPath(const std::string& drive, int track);

// A song's file is there: anything on disk by its name, or a CD track on the
// disc in its drive.
bool songExists(MusicDevices& devices, const std::string& path);

} // namespace vs::library
