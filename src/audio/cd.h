// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Audio CD tracks for the background music, read with libcdio from a drive or
// from a CUE/BIN disc image, and sounded through the engine's CD line.
//
// The audio library's CD operations are free functions at global scope, like
// the BASS_* ones of bass.h; BASS_ChannelIsActive(0) and BASS_ChannelStop(0)
// (bass.h) answer for the CD track that plays. Every function here is called
// from the UI thread. BASS_CDPlay starts a reader thread that fills a
// lock-free ring drained by the audio thread; stopping joins it.
//
// A drive is named by a device path ("/dev/sr0") or by the path of a CUE
// sheet ("/x/disc.cue", matched by its ending in any letter case). Only the
// name is kept between calls: every operation opens the drive afresh, so a
// changed disc is seen and the tray is locked only while a track plays.
#include <cstdint>
#include <string>
#include <vector>

// `drive` "" (or null) means the first drive found and succeeds even when the
// machine has none: the CD system is ready and the calls below then fail. A
// named drive must open: a CD device, or a CUE sheet libcdio can read. A second
// call first frees the CD system as BASS_CDFree does. `flags` are accepted and
// unused. Nonzero: ready.
std::uint32_t BASS_CDInit(const char* drive, std::uint32_t flags);
// Stops a CD track that plays and forgets the drive. Harmless when the CD
// system is not ready (idempotent). Always nonzero.
std::uint32_t BASS_CDFree();
// Length of audio track `track` (1-based) in ms, rounded to the nearest
// millisecond (a track is a whole number of 1/75 s sectors); 0xFFFFFFFF when
// the CD system is not ready, there is no disc, or `track` is no audio track.
std::uint32_t BASS_CDGetTrackLength(std::uint32_t track);
// Plays audio track `track` from its start into the engine's CD line (needs
// BASS_Init); a track already playing is stopped first. loop 1: the track
// starts again, without a gap, each time it ends. wait 1: returns once audio
// is buffered (a real drive may take a few seconds to spin up; at most 15 s);
// wait 0: returns at once and the line is silent until the first sectors
// arrive. Nonzero: started.
std::uint32_t BASS_CDPlay(std::uint32_t track, std::uint32_t loop, std::uint32_t wait);

namespace vs::audio {

// CD audio is 44100 Hz 16-bit stereo (the mixer's rate) in sectors of 588
// frames, 75 to the second.
inline constexpr int kCdSectorsPerSecond = 75;
inline constexpr int kCdFramesPerSector = 588;

struct CdTrackInfo {
    int number = 0;
    std::int64_t lengthMs = 0;
};
// Audio tracks of the disc in `drive` (device path or .cue; "" the first
// drive), in disc order; data tracks are left out. Empty when there is no disc
// or no such drive. UI thread.
std::vector<CdTrackInfo> cdAudioTracks(const std::string& drive);
// Device paths of the CD drives present (e.g. "/dev/sr0"); empty on a machine
// without one. UI thread.
std::vector<std::string> cdDrives();

} // namespace vs::audio
