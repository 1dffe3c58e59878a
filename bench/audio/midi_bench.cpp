// SPDX-License-Identifier: GPL-3.0-or-later
// Figures for MIDI playback, printed for a person to read:
//  a) offline: how much faster than real time a shipped song renders through
//     the synth worker and the mixer;
//  b) live: CPU use of the process while the song plays for 20 s through SDL
//     (the dummy driver when headless).
#include "audio/bass.h"
#include "audio/engine.h"
#include "audio/mci.h"
#include "cpu_time.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

using vs::audio::mciSendString;
using vs::bench::cpuSeconds;

namespace {

const std::string kSong = std::string(VS_SOURCE_DATA_DIR) + "/Amanecer.mid";

bool startSong() {
    return mciSendString("open " + kSong + " type sequencer alias midi", nullptr) == 0 &&
           mciSendString("play midi from 0", nullptr) == 0;
}

} // namespace

int main() {
    if (!std::getenv("SDL_AUDIODRIVER")) ::setenv("SDL_AUDIODRIVER", "dummy", 1);

    // a) 60 s of the song offline, in callback-sized pieces.
    {
        if (!BASS_Init(0, 44100, 0x20, nullptr) || !startSong()) return 1;
        std::vector<float> buf(2 * 1024);
        const double c0 = cpuSeconds();
        const auto w0 = std::chrono::steady_clock::now();
        for (int i = 0; i < 60 * 44100 / 1024; ++i)
            vs::audio::processEngine().renderOffline(buf.data(), 1024);
        const double cpu = cpuSeconds() - c0;
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
        std::printf("a) offline, 60 s of %s: %.2f s CPU, %.2f s wall (%.0fx real time)\n",
                    kSong.c_str(), cpu, wall, 60.0 / wall);
        mciSendString("close all", nullptr);
        BASS_Free();
    }

    // b) Live.
    if (!BASS_Init(-1, 44100, 0x20, nullptr)) {
        std::printf("b) no output device could be opened\n");
        return 0;
    }
    BASS_Start();
    if (!startSong()) return 1;
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const double c0 = cpuSeconds();
    const auto w0 = std::chrono::steady_clock::now();
    std::string mode;
    for (int i = 0; i < 40; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        mciSendString("status midi mode", &mode); // as the session player asks
    }
    const double cpu = cpuSeconds() - c0;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
    std::printf("b) live MIDI playback for %.1f s on SDL driver '%s': %.3f s CPU = %.2f %% of one "
                "core (target < 5 %%); mode at the end: %s\n",
                wall, std::getenv("SDL_AUDIODRIVER"), cpu, 100.0 * cpu / wall, mode.c_str());
    mciSendString("close all", nullptr);
    BASS_Free();
    return 0;
}
