// SPDX-License-Identifier: GPL-3.0-or-later
#include "cd_image.h"

#include "audio/cd.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <stdexcept>

namespace vs::test {

using vs::audio::kCdFramesPerSector;
using vs::audio::kCdSectorsPerSecond;

int cdSectors(double seconds) {
    return int(std::lround(seconds * kCdSectorsPerSecond));
}

std::string writeCdImage(const std::string& folder, const std::vector<CdImageTrack>& tracks,
                         const std::string& name) {
    const std::string bin = folder + "/" + name + ".bin";
    const std::string cue = folder + "/" + name + ".cue";
    std::ofstream b(bin, std::ios::binary | std::ios::trunc);
    std::ofstream c(cue, std::ios::trunc);
    if (!b || !c) throw std::runtime_error("cannot write CD image in " + folder);

    c << "FILE \"" << name << ".bin\" BINARY\n";
    long start = 0; // sectors
    for (std::size_t t = 0; t < tracks.size(); ++t) {
        const CdImageTrack& tr = tracks[t];
        char index[32];
        std::snprintf(index, sizeof index, "%02ld:%02ld:%02ld", start / (60 * kCdSectorsPerSecond),
                      start / kCdSectorsPerSecond % 60, start % kCdSectorsPerSecond);
        char head[48];
        std::snprintf(head, sizeof head, "  TRACK %02zu AUDIO\n", t + 1);
        c << head << "    INDEX 01 " << index << "\n";

        const long frames = long(cdSectors(tr.seconds)) * kCdFramesPerSector;
        const double w = 2 * std::numbers::pi * tr.frequency / 44100.0;
        std::vector<char> bytes(std::size_t(frames) * 4);
        for (long i = 0; i < frames; ++i) {
            const double v = std::sin(w * double(i)) * tr.amplitude * 32767.0;
            const auto s = std::uint16_t(std::int16_t(std::lround(v)));
            char* p = bytes.data() + std::size_t(i) * 4;
            p[0] = p[2] = char(s & 0xFF);
            p[1] = p[3] = char(s >> 8);
        }
        b.write(bytes.data(), std::streamsize(bytes.size()));
        start += cdSectors(tr.seconds);
    }
    if (!b.flush() || !c.flush()) throw std::runtime_error("cannot write CD image in " + folder);
    return cue;
}

} // namespace vs::test
