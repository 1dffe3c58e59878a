// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A steady sine written as a 16-bit stereo WAV file at the mix rate, the same
// in both channels: a song the tests can hand to the playlist and find again
// in a render.
#include <sndfile.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace vs::test {

inline bool writeSineWav(const std::string& path, double hz, double seconds, double peak) {
    constexpr int kRate = 44100;
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) return false;
    std::vector<float> x(2 * std::size_t(std::lround(seconds * kRate)));
    for (std::size_t i = 0; i < x.size() / 2; ++i)
        x[2 * i] = x[2 * i + 1] =
            float(peak * std::sin(2 * std::numbers::pi * hz * double(i) / kRate));
    const bool ok =
        sf_writef_float(f, x.data(), sf_count_t(x.size() / 2)) == sf_count_t(x.size() / 2);
    sf_close(f);
    return ok;
}

} // namespace vs::test
