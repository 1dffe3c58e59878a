// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Standard MIDI Files built byte by byte, so each test states exactly what the
// reader is given (running status, odd chunk layouts, broken data).
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

namespace vs::test {

using Bytes = std::vector<std::uint8_t>;

inline void putVlq(Bytes& out, std::uint32_t v) {
    std::uint8_t tmp[5];
    int n = 0;
    do {
        tmp[n++] = std::uint8_t(v & 0x7F);
        v >>= 7;
    } while (v);
    while (n--)
        out.push_back(std::uint8_t(tmp[n] | (n ? 0x80 : 0)));
}

inline void putBe(Bytes& out, std::uint32_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(std::uint8_t(v >> (8 * i)));
}

// One track's body; each call appends one event after `delta` ticks.
struct TrackBytes {
    Bytes body;
    TrackBytes& raw(std::uint32_t delta, std::initializer_list<std::uint8_t> bytes) {
        putVlq(body, delta);
        body.insert(body.end(), bytes);
        return *this;
    }
    TrackBytes& tempo(std::uint32_t delta, std::uint32_t usPerQuarter) {
        putVlq(body, delta);
        body.insert(body.end(), {0xFF, 0x51, 0x03});
        putBe(body, usPerQuarter, 3);
        return *this;
    }
    TrackBytes& meta(std::uint32_t delta, std::uint8_t type, const std::string& text) {
        putVlq(body, delta);
        body.push_back(0xFF);
        body.push_back(type);
        putVlq(body, std::uint32_t(text.size()));
        body.insert(body.end(), text.begin(), text.end());
        return *this;
    }
    TrackBytes& end(std::uint32_t delta) { return raw(delta, {0xFF, 0x2F, 0x00}); }
};

inline Bytes chunk(const char* tag, const Bytes& body) {
    Bytes out(tag, tag + 4);
    putBe(out, std::uint32_t(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

inline Bytes smf(int format, std::uint16_t division, const std::vector<TrackBytes>& tracks) {
    Bytes header;
    putBe(header, std::uint32_t(format), 2);
    putBe(header, std::uint32_t(tracks.size()), 2);
    putBe(header, division, 2);
    Bytes out = chunk("MThd", header);
    for (const TrackBytes& t : tracks) {
        const Bytes c = chunk("MTrk", t.body);
        out.insert(out.end(), c.begin(), c.end());
    }
    return out;
}

// One note held for `ms`, then the end: 500 ticks a quarter at the default
// 120 beats a minute make a tick one millisecond.
inline Bytes oneNoteSong(std::uint8_t program, std::uint8_t key, std::uint32_t ms) {
    TrackBytes t;
    t.raw(0, {0xC0, program}).raw(0, {0x90, key, 100}).raw(ms, {0x80, key, 0}).end(0);
    return smf(0, 500, {t});
}

// A4 on the ocarina, the plainest tone of the SoundFont: nearly a sine.
inline constexpr std::uint8_t kOcarina = 79;
inline constexpr std::uint8_t kA4 = 69;

inline void save(const std::string& path, const Bytes& b) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
}

} // namespace vs::test
