// SPDX-License-Identifier: GPL-3.0-or-later
// Reads what SDL's "disk" driver captured (raw float32 stereo at 44100 Hz) and
// prints, second by second, the tone of each ear and the beat between them.
// Used to check the program itself plays a session:
//   SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/tmp/cap.raw velorin-somnara ...
//   capture_analysis /tmp/cap.raw
#include "tone_analysis.h"

#include <cstdio>
#include <fstream>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s capture.raw\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<float> all;
    float buf[4096];
    while (in.read(reinterpret_cast<char*>(buf), sizeof buf) || in.gcount() > 0)
        all.insert(all.end(), buf, buf + in.gcount() / sizeof(float));
    const size_t frames = all.size() / 2;
    std::printf("%zu frames = %.1f s\n", frames, frames / 44100.0);
    int sounding = 0;
    for (size_t start = 0; start + 44100 <= frames; start += 44100) {
        std::vector<float> block(all.begin() + 2 * start, all.begin() + 2 * (start + 44100));
        auto l = vs::test::channelOf(block, 0);
        auto r = vs::test::channelOf(block, 1);
        double rl = vs::test::rms(l), rr = vs::test::rms(r);
        if (rl < 1e-4 || rr < 1e-4) {
            std::printf("%4zu s: silent\n", start / 44100);
            continue;
        }
        double fl = vs::test::toneFrequency(l, 44100), fr = vs::test::toneFrequency(r, 44100);
        ++sounding;
        std::printf("%4zu s: left %.3f Hz (rms %.4f), right %.3f Hz (rms %.4f), beat %.3f Hz\n",
                    start / 44100, fl, rl, fr, rr, fr - fl);
    }
    return sounding > 0 ? 0 : 1;
}
