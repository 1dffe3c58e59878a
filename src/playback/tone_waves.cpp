// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/tone_waves.h"

#include "audio/bass_sample.h"
#include "base/file_replace.h"
#include "base/paths.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <random>

namespace vs::playback {
namespace {

// The stored sample values were fixed with this value of 2 pi; the exact one
// would move a few samples by one step.
constexpr double kTwoPi = 6.283185308;
constexpr double kNoiseScale = 15240.0;

WavePaths g_paths;
bool g_pathsSet = false;

void put16(std::string& b, std::size_t at, std::int32_t v) {
    const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(v));
    b[at] = char(u & 0xFF);
    b[at + 1] = char(u >> 8);
}

void put32(std::string& b, std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k)
        b[at + std::size_t(k)] = char((v >> (8 * k)) & 0xFF);
}

// Uniform in [0, 1) built from 53 random bits, so 1.0 can never come out
// (which would put the noise one step outside its range).
double uniform(std::mt19937_64& g) {
    return double(g() >> 11) * 0x1.0p-53;
}

std::uint64_t freshSeed() {
    std::random_device rd;
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return (std::uint64_t(rd()) << 32) ^ std::uint64_t(now);
}

// Replaced whole, so no stale tail of a longer old file survives; no flush,
// as the files are written anew at every start.
bool writeWave(const std::string& folder, const std::string& name, const std::string& bytes) {
    if (bytes.empty()) return false;
    return replaceFileContents(joinPath(folder, name + ".wav"), bytes, Durability::Scratch);
}

} // namespace

WavePaths wavePathsIn(const std::string& folder) {
    return {joinPath(folder, "OndaL.wav"), joinPath(folder, "OndaR.wav"),
            joinPath(folder, "OndaM.wav")};
}

WavePaths withNoise(WavePaths paths, NoiseColour colour) {
    if (colour != NoiseColour::Original)
        paths.mask = joinPath(std::filesystem::path(paths.mask).parent_path().string(),
                              noiseWaveName(colour) + ".wav");
    return paths;
}

const WavePaths& rutasOndas() {
    if (!g_pathsSet) g_paths = wavePathsIn(programFolder());
    return g_paths;
}

int toneSample(int i, double freq) {
    const double step = kTwoPi / kWaveRate;
    return int(std::floor(std::sin(double(i) * step * freq) * 32760.0));
}

std::string waveFileBytes(const std::string& name, double freq) {
    return waveFileBytes(name, freq, freshSeed());
}

std::string waveFileBytes(const std::string& name, double freq, std::uint64_t seed) {
    const bool left = name == "OndaL", right = name == "OndaR", mask = name == "OndaM";
    if (!left && !right && !mask) return {};
    std::string b(kWaveFileSize, '\0');
    b.replace(0, 4, "RIFF");
    put32(b, 4, kWaveFileSize - 8);
    b.replace(8, 8, "WAVEfmt ");
    put32(b, 16, 16);
    put16(b, 20, 1);
    put16(b, 22, 2);
    put32(b, 24, kWaveRate);
    put32(b, 28, 1411200 / 8);
    put16(b, 32, 32 / 8);
    put16(b, 34, 16);
    b.replace(36, 4, "data");
    put32(b, 40, kWaveFileSize - 44);
    std::mt19937_64 gen(seed);
    for (int i = 0; i < kWaveFrames; ++i) {
        std::int32_t l = 0, r = 0;
        if (mask) {
            l = std::int32_t(std::floor(uniform(gen) * kNoiseScale));
            r = -std::int32_t(std::floor(uniform(gen) * kNoiseScale));
        } else {
            const int t = toneSample(i, freq);
            (left ? l : r) = t;
        }
        put16(b, 44 + 4 * std::size_t(i), l);
        put16(b, 46 + 4 * std::size_t(i), r);
    }
    return b;
}

bool CrearOnda(const std::string& folder, const std::string& name, double freq) {
    return writeWave(folder, name, waveFileBytes(name, freq));
}

bool writeWaves(const std::string& folder, std::uint64_t seed) {
    for (const char* name : {"OndaL", "OndaR", "OndaM"})
        if (!writeWave(folder, name, waveFileBytes(name, 1000, seed))) return false;
    return true;
}

bool CrearOnda(const std::string& name, double freq) {
    return CrearOnda(programFolder(), name, freq);
}

bool PrepararOndas(const std::string& folder) {
    g_paths = wavePathsIn(folder);
    g_pathsSet = true;
    std::error_code ec;
    for (const std::string* p : {&g_paths.left, &g_paths.right, &g_paths.mask})
        std::filesystem::remove(*p, ec);
    return CrearOnda(folder, "OndaL", 1000) && CrearOnda(folder, "OndaR", 1000) &&
           CrearOnda(folder, "OndaM", 0);
}

bool PrepararOndas() {
    return PrepararOndas(programFolder());
}

void CargarOndas(vs::audio::BassSample& left, vs::audio::BassSample& right,
                 vs::audio::BassSample& mask) {
    CargarOndas(left, right, mask, rutasOndas());
}

void CargarOndas(vs::audio::BassSample& left, vs::audio::BassSample& right,
                 vs::audio::BassSample& mask, const WavePaths& p, bool monoTones) {
    for (auto [player, path] :
         {std::pair{&left, &p.left}, std::pair{&right, &p.right}, std::pair{&mask, &p.mask}}) {
        std::int32_t most = 1;
        bool eightBit = false, mono = monoTones && player != &mask, looped = true;
        player->Load(*path, most, eightBit, mono, looped);
    }
}

void BorrarOndas() {
    const WavePaths& p = rutasOndas();
    std::error_code ec;
    for (const std::string* f : {&p.left, &p.right, &p.mask})
        std::filesystem::remove(*f, ec);
}

} // namespace vs::playback
