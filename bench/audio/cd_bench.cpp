// SPDX-License-Identifier: GPL-3.0-or-later
// Figures for audio CD tracks, read from a disc image, printed for a person to read:
//  a) offline render speed of a 5-minute CD track: real-time factor;
//  b) time BASS_CDPlay with its wait flag takes to return, and one track-length query;
//  c) CPU use of the process (reader thread and callback) while a looping CD
//     track plays live for ~10 s;
//  d) the rendered track against the image's samples: largest difference.
#include "audio/bass.h"
#include "audio/cd.h"
#include "audio/engine.h"
#include "cd_image.h"
#include "cpu_time.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <string>
#include <thread>
#include <vector>

namespace {

using vs::bench::cpuSeconds;

double since(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

} // namespace

int main() {
    if (!std::getenv("SDL_AUDIODRIVER")) ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    char tmpl[] = "/tmp/vs-cd-bench-XXXXXX";
    if (!::mkdtemp(tmpl)) return 1;
    const std::string dir = tmpl;
    constexpr double kLong = 300;
    const std::string cue = vs::test::writeCdImage(dir, {{440, 2.0}, {1000, kLong, 0.5}});
    if (!BASS_CDInit(cue.c_str(), 0x20)) return 1;

    // a) and d): the whole 5-minute track offline, in callback-sized pieces.
    {
        if (!BASS_Init(0, 44100, 0x20, nullptr)) return 1;
        if (!BASS_CDPlay(2, 0, 1)) return 1;
        constexpr int kPiece = 512;
        std::vector<float> buf(2 * kPiece);
        const long total = long(vs::test::cdSectors(kLong)) * vs::audio::kCdFramesPerSector;
        const double w = 2 * std::numbers::pi * 1000.0 / 44100.0;
        double worst = 0;
        const double c0 = cpuSeconds();
        const auto w0 = std::chrono::steady_clock::now();
        for (long done = 0; done < total; done += kPiece) {
            vs::audio::processEngine().renderOffline(buf.data(), kPiece);
            for (int i = 0; i < kPiece && done + i < total; ++i) {
                const double e = std::lround(std::sin(w * double(done + i)) * 0.5 * 32767.0);
                worst = std::max(worst, std::abs(buf[std::size_t(2 * i)] - e / 32768.0));
            }
        }
        const double cpu = cpuSeconds() - c0, wall = since(w0);
        std::printf("a) offline render of a %.0f s CD track: %.2f s CPU (%.2f s wall), "
                    "real-time factor %.0fx by wall clock\n",
                    kLong, cpu, wall, kLong / wall);
        vs::audio::processEngine().renderOffline(buf.data(), kPiece);
        std::printf("d) largest difference from the image's samples %.3g; channel 0 after the "
                    "end: %s\n",
                    worst, BASS_ChannelIsActive(0) == vs::audio::kInactive ? "inactive" : "ACTIVE");
        BASS_Free();
    }

    // b) Starting and measuring.
    {
        BASS_Init(0, 44100, 0x20, nullptr);
        std::vector<double> starts;
        for (int i = 0; i < 20; ++i) {
            const auto t0 = std::chrono::steady_clock::now();
            BASS_CDPlay(1 + i % 2, 0, 1);
            starts.push_back(since(t0));
        }
        std::sort(starts.begin(), starts.end());
        const auto t0 = std::chrono::steady_clock::now();
        const auto length = BASS_CDGetTrackLength(2);
        const double query = since(t0);
        std::printf("b) BASS_CDPlay(wait) returns after %.2f ms median, %.2f ms worst of 20; "
                    "BASS_CDGetTrackLength %.2f ms (%u ms)\n",
                    starts[10] * 1e3, starts.back() * 1e3, query * 1e3, length);
        BASS_Free();
    }

    // c) Live on the device SDL picks (dummy when headless).
    if (!BASS_Init(-1, 44100, 0x20, nullptr)) {
        std::printf("c) no output device could be opened\n");
    } else {
        BASS_Start();
        BASS_CDPlay(1, 1, 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const double c0 = cpuSeconds();
        const auto w0 = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(10));
        const double cpu = cpuSeconds() - c0, wall = since(w0);
        std::printf("c) looping CD track live for %.1f s on SDL driver '%s': %.3f s CPU = %.2f %% "
                    "of one core; still playing: %s\n",
                    wall, std::getenv("SDL_AUDIODRIVER"), cpu, 100.0 * cpu / wall,
                    BASS_ChannelIsActive(0) == vs::audio::kPlaying ? "yes" : "NO");
        BASS_Free();
    }
    BASS_CDFree();
    std::filesystem::remove_all(dir);
    return 0;
}
