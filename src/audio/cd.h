#pragma once
// Audio CD playback: the audio library's CD operations (free functions at
// global scope like bass.h's BASS_* ones) and the listing of drives and tracks.
#include <cstdint>
#include <string>
#include <vector>

// `drive` is a device path ("/dev/sr0") or a CUE sheet of a disc image ("/x/disc.cue");
// "" means the first drive found, and succeeds even when the machine has no drive
// (the CD system is ready; the calls below then fail). Nonzero: ready.
std::uint32_t BASS_CDInit(const char* drive, std::uint32_t flags);
std::uint32_t BASS_CDFree();
// Length of audio track `track` (1-based) in ms; 0xFFFFFFFF when no disc / no such track.
std::uint32_t BASS_CDGetTrackLength(std::uint32_t track);
// Plays track `track` from its start into the engine's CD line; loop 0/1; wait 1 =
// return once audio is flowing. Nonzero: started.
std::uint32_t BASS_CDPlay(std::uint32_t track, std::uint32_t loop, std::uint32_t wait);
// BASS_ChannelIsActive(0) answers kPlaying while the CD track plays and kInactive once it
// ended or was stopped; BASS_ChannelStop(0) stops it (routing in bass.cpp).

namespace vs::audio {
struct CdTrackInfo {
    int number = 0;
    std::int64_t lengthMs = 0;
};
// Audio tracks of the disc in `drive` (device path or .cue); empty when no disc. UI thread.
std::vector<CdTrackInfo> cdAudioTracks(const std::string& drive);
// Device paths of the CD drives present (e.g. "/dev/sr0"); empty on a machine without one.
std::vector<std::string> cdDrives();
} // namespace vs::audio
