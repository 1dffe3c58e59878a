// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Audio CD images for tests: a BIN of raw 2352-byte sectors (44100 Hz 16-bit
// stereo, little-endian, 75 sectors a second) and the CUE sheet that names
// it, one audio track per tone. The drive functions of audio/cd.h open the
// .cue as if it were a disc; its kCdSectorsPerSecond and kCdFramesPerSector
// give the sizes.
#include <string>
#include <vector>

namespace vs::test {

struct CdImageTrack {
    double frequency = 440; // Hz of the sine on both channels
    double seconds = 1;     // rounded to whole sectors
    double amplitude = 0.5; // peak, 0..1 of full scale
};

// Sectors a track of `seconds` occupies in the image (rounded to the nearest sector).
int cdSectors(double seconds);

// Writes `<folder>/<name>.bin` and `<folder>/<name>.cue` with the tracks in
// order (TRACK 01 first), each starting on the sector after the previous one,
// no pregaps, every sine starting at phase 0. Returns the .cue's path; throws
// std::runtime_error when the files cannot be written.
std::string writeCdImage(const std::string& folder, const std::vector<CdImageTrack>& tracks,
                         const std::string& name = "disc");

} // namespace vs::test
