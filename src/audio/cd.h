// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Audio CD tracks for the background music, read with libcdio from a drive or
// from a CUE/BIN disc image, and sounded through an engine's CD line.
//
// A drive is named by a device path ("/dev/sr0") or by the path of a CUE
// sheet ("/x/disc.cue", matched by its ending in any letter case). Only the
// name is kept between calls: every operation opens the drive afresh, so a
// changed disc is seen and the tray is locked only while a track plays.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vs::audio {

class Engine;

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

// The CD system of one engine: the drive chosen, and the track that plays
// into that engine's CD line. Made and driven on the thread that controls the
// engine ("UI thread" below), which outlives it. play() starts a reader
// thread that fills a lock-free ring drained by the audio thread; stopping
// joins it, and may wait for the sector it is reading.
class CdPlayer {
public:
    explicit CdPlayer(Engine& engine);
    // Stops the track that plays.
    ~CdPlayer();
    CdPlayer(const CdPlayer&) = delete;
    CdPlayer& operator=(const CdPlayer&) = delete;

    // UI thread. "" means the first drive found and succeeds even when the
    // machine has none: the CD system is ready and the calls below then fail.
    // A named drive must open: a CD device, or a CUE sheet libcdio can read.
    // A second call first frees the CD system as free() does.
    bool init(const std::string& drive);
    // UI thread. Stops the track that plays and forgets the drive. Harmless
    // when the CD system is not ready.
    void free();
    // UI thread. Length of audio track `track` (1-based), rounded to the
    // nearest millisecond (a track is a whole number of 1/75 s sectors);
    // nothing when the CD system is not ready, there is no disc, or `track` is
    // no audio track.
    std::optional<std::int64_t> trackLengthMs(int track) const;
    // UI thread. Plays audio track `track` from its start into the engine's
    // CD line (the engine must be open); a track already playing is stopped
    // first. `loop`: the track starts again, without a gap, each time it
    // ends. `wait`: returns once audio is buffered (a real drive may take a
    // few seconds to spin up; at most 15 s); otherwise at once, and the line
    // is silent until the first sectors arrive. True: started.
    bool play(int track, bool loop, bool wait);
    // UI thread. From play() until the track has played out (every sector read
    // and the line's ring drained) or was stopped.
    bool playing() const;
    // UI thread. Stops the track, takes its source off the CD line and joins
    // its reader thread. True when a track was there to stop.
    bool stop();

private:
    class Track;
    Engine& engine_;
    bool ready_ = false;
    std::string drive_; // "" when the machine has no drive
    std::unique_ptr<Track> track_;
};

} // namespace vs::audio
