// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three one-second wave files the session plays: a 1000 Hz tone in the
// left channel only (OndaL), the same in the right only (OndaR), and a masking
// noise (OndaM). Written into the program's folder at start-up, loaded into
// the sample players at every Play, deleted at exit. Playing the tone at rate
// f x 44.1 samples per second sounds it at f Hz, and one second of 1000 whole
// cycles loops without a seam.
//
// Thread rule: UI thread.
#include "playback/noise_colours.h"

#include <cstdint>
#include <string>

namespace vs::audio {
class BassSample;
}

namespace vs::playback {

inline constexpr int kWaveRate = 44100;
inline constexpr int kWaveFrames = 44100;
inline constexpr int kWaveFileSize = 44 + kWaveFrames * 4; // 176,444 bytes

struct WavePaths {
    std::string left;  // program folder + "/OndaL.wav"
    std::string right; // program folder + "/OndaR.wav"
    std::string mask;  // program folder + "/OndaM.wav"
};

// The paths set by the last PrepararOndas (until then, the program folder's).
const WavePaths& rutasOndas();
// The three files' paths in `folder`.
WavePaths wavePathsIn(const std::string& folder);
// The same paths with the mask of `colour`: its file beside OndaM
// (noise_colours.h); the original's is OndaM itself.
WavePaths withNoise(WavePaths paths, NoiseColour colour);

// Sets the paths, removes old files, then writes OndaL, OndaR and OndaM in
// that order. Stops at the first file that cannot be written; false then,
// with errno saying why.
bool PrepararOndas();
// Same, in another folder (tests, or a program folder chosen by the caller).
bool PrepararOndas(const std::string& folder);

// Writes folder + "/" + name + ".wav" for name "OndaL", "OndaR" or "OndaM"
// (the noise ignores `freq`). The file appears complete or not at all: it is
// written to a temporary name and renamed into place. False for another name
// or when it cannot be written.
bool CrearOnda(const std::string& name, double freq);
bool CrearOnda(const std::string& folder, const std::string& name, double freq);

// Writes OndaL, OndaR and OndaM into `folder` with the noise drawn from
// `seed`, and nothing else: an export's own copies, which must come out the
// same byte for byte every time. False at the first file that cannot be written.
bool writeWaves(const std::string& folder, std::uint64_t seed);

// Loads the three files into the left, right and masking players: one playback
// at a time, 16-bit, stereo, looped. Each Load frees what the player held.
void CargarOndas(vs::audio::BassSample& left, vs::audio::BassSample& right,
                 vs::audio::BassSample& mask);
// The same from files elsewhere (an export's own copies, a coloured mask).
// `monoTones`: the two tones mixed down to one channel, the mean of the
// file's two, so each sounds in both ears at half its level.
void CargarOndas(vs::audio::BassSample& left, vs::audio::BassSample& right,
                 vs::audio::BassSample& mask, const WavePaths& paths, bool monoTones = false);

// Removes the three files (the exit step); missing files are no error.
void BorrarOndas();

// Sample values (for checks): the tone at frame i, and the file's bytes.
int toneSample(int i, double freq);
std::string waveFileBytes(const std::string& name, double freq);
// The same with the noise drawn from `seed`: a render that must come out the
// same byte for byte every time uses a fixed one.
std::string waveFileBytes(const std::string& name, double freq, std::uint64_t seed);

} // namespace vs::playback
