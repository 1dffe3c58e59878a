// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The masking noise in other colours: pink (power falling 3 dB an octave) and
// brown (6 dB an octave), as wave files beside OndaM, in its format (one
// second, 44.1 kHz, 16-bit stereo, the two channels independent) and at its
// level: the RMS of each channel about its mean is the original's, so the mask
// bar means the same loudness. (The original's channels also carry a steady
// offset, half its range; an offset is not heard, so it is left out of the
// level and out of the colours, which have none.)
//
// Made in the frequency domain: every whole-hertz bin from 20 Hz to half the
// rate gets the colour's amplitude and a random phase, and one inverse
// transform of the whole second gives the samples. The second is then one
// period of the sound, so it loops without a seam; below 20 Hz there is
// nothing, so no inaudible rumble takes the level. Scaled to the RMS, then
// rounded; a peak beyond the 16-bit range would be scaled down to fit (and the
// RMS with it, said in `fitted`): with the fixed seed it never is.
//
// Thread rule: any thread (pure), the file writing on the UI thread like the
// other wave files.
#include <cstdint>
#include <string>
#include <vector>

namespace vs::playback {

enum class NoiseColour { Original, Pink, Brown };

// The fixed seed of the colours' phases: the files are the same at every start.
inline constexpr std::uint64_t kNoiseColourSeed = 0x524F'5341'4D41'5252ull;

// The lowest frequency the colours carry.
inline constexpr int kNoiseColourLowestHz = 20;

// The wave's name without ".wav": "OndaM" (the original), "OndaRosa", "OndaMarron".
std::string noiseWaveName(NoiseColour colour);

// The RMS (about the mean) of a channel of OndaM, in 16-bit steps: its
// samples are uniform over 15240 steps.
double originalNoiseRms();

struct NoiseWave {
    std::vector<std::int16_t> samples; // interleaved stereo, kWaveFrames frames
    double rms[2] = {};                // each channel's, about its mean (which is 0)
    int peak = 0;                      // largest |sample|
    int largestStep = 0;               // between neighbours, the loop's seam included
    bool fitted = false;               // scaled below the RMS to keep the peak in range
};

// The samples of a coloured noise (Pink or Brown; Original gives nothing).
NoiseWave colouredNoise(NoiseColour colour, std::uint64_t seed = kNoiseColourSeed);

// The whole wave file of a coloured noise: OndaM's header, these samples.
std::string colouredNoiseFileBytes(NoiseColour colour, std::uint64_t seed = kNoiseColourSeed);

// Writes folder + "/" + noiseWaveName(colour) + ".wav" (Pink or Brown),
// complete or not at all, as the other wave files. False when it cannot, or
// for the original (CrearOnda writes that one).
bool writeNoiseWave(const std::string& folder, NoiseColour colour);

} // namespace vs::playback
