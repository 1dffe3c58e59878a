// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/midi_file.h"

#include <algorithm>
#include <fstream>
#include <limits>

namespace vs::audio {
namespace {

constexpr std::uint32_t kDefaultTempo = 500000; // µs per quarter note: 120 beats a minute

struct TempoChange {
    std::uint64_t tick;
    std::uint32_t usPerQuarter;
};

// Bounds-checked big-endian reader over one chunk.
class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : p_(data), end_(data + size) {}
    bool atEnd() const { return p_ == end_; }
    std::size_t left() const { return std::size_t(end_ - p_); }
    bool byte(std::uint8_t& out) {
        if (p_ == end_) return false;
        out = *p_++;
        return true;
    }
    bool peek(std::uint8_t& out) const {
        if (p_ == end_) return false;
        out = *p_;
        return true;
    }
    bool skip(std::size_t n) {
        if (n > left()) return false;
        p_ += n;
        return true;
    }
    bool be(int bytes, std::uint32_t& out) {
        if (std::size_t(bytes) > left()) return false;
        out = 0;
        for (int i = 0; i < bytes; ++i)
            out = (out << 8) | *p_++;
        return true;
    }
    // A variable-length quantity: at most four bytes, 28 bits.
    bool vlq(std::uint32_t& out) {
        out = 0;
        for (int i = 0; i < 4; ++i) {
            std::uint8_t b;
            if (!byte(b)) return false;
            out = (out << 7) | (b & 0x7Fu);
            if (!(b & 0x80)) return true;
        }
        return false;
    }
    const std::uint8_t* here() const { return p_; }

private:
    const std::uint8_t* p_;
    const std::uint8_t* end_;
};

struct TrackScan {
    std::uint64_t endTick = 0;
    std::vector<TempoChange> tempos;
};

// Walks one track's events. False on malformed data.
bool scanTrack(Reader r, TrackScan& out) {
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    while (!r.atEnd()) {
        std::uint32_t delta;
        if (!r.vlq(delta)) return false;
        tick += delta; // at most size * 2^28: no overflow
        std::uint8_t status;
        if (!r.peek(status)) return false;
        if (status & 0x80) {
            r.skip(1);
        } else if (running) {
            status = running; // running status: the byte is the first data byte
        } else {
            return false;
        }
        if (status < 0xF0) {
            running = status;
            const int dataBytes = (status & 0xE0) == 0xC0 ? 1 : 2; // program, channel pressure
            if (!r.skip(std::size_t(dataBytes))) return false;
        } else if (status == 0xFF) {
            std::uint8_t type;
            std::uint32_t length;
            if (!r.byte(type) || !r.vlq(length) || length > r.left()) return false;
            if (type == 0x51 && length == 3) {
                const std::uint8_t* d = r.here();
                const std::uint32_t us =
                    (std::uint32_t(d[0]) << 16) | (std::uint32_t(d[1]) << 8) | d[2];
                // A zero tempo would stop time; such an event is ignored.
                if (us != 0) out.tempos.push_back({tick, us});
            }
            r.skip(length);
            if (type == 0x2F) break; // End of Track: anything after it is not played
        } else if (status == 0xF0 || status == 0xF7) {
            std::uint32_t length;
            if (!r.vlq(length) || !r.skip(length)) return false;
        } else {
            return false; // real-time and system-common bytes have no place in a file
        }
        // Writers differ on whether meta and sysex events end running status;
        // keeping it reads both kinds of file.
    }
    out.endTick = tick;
    return true;
}

// Microseconds × the division's denominator, summed exactly: 128 bits leave
// room for any tick count the data can hold times any tempo.
using Wide = unsigned __int128;

std::int64_t toMs(Wide numerator, Wide denominator) {
    const Wide ms = (numerator + denominator / 2) / denominator;
    const Wide cap = Wide(std::numeric_limits<std::int64_t>::max());
    return std::int64_t(ms > cap ? cap : ms);
}

std::int64_t tempoTimeMs(std::uint64_t endTick, std::vector<TempoChange> tempos,
                         std::uint32_t ticksPerQuarter) {
    // Equal ticks keep their track order, so the last-read change wins.
    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    Wide sum = 0; // ticks × µs per quarter
    std::uint64_t at = 0;
    std::uint32_t tempo = kDefaultTempo;
    for (const TempoChange& t : tempos) {
        if (t.tick >= endTick) break;
        sum += Wide(t.tick - at) * tempo;
        at = t.tick;
        tempo = t.usPerQuarter;
    }
    sum += Wide(endTick - at) * tempo;
    return toMs(sum, Wide(ticksPerQuarter) * 1000);
}

} // namespace

std::optional<std::int64_t> midiLengthMs(const std::uint8_t* data, std::size_t size) {
    if (!data) return std::nullopt;
    Reader file(data, size);
    std::uint32_t tag = 0, headerLength = 0, format = 0, trackCount = 0, division = 0;
    if (!file.be(4, tag) || tag != 0x4D546864 /* MThd */ || !file.be(4, headerLength) ||
        headerLength < 6 || headerLength > file.left())
        return std::nullopt;
    Reader header(file.here(), headerLength);
    file.skip(headerLength);
    header.be(2, format);
    header.be(2, trackCount);
    header.be(2, division);
    if (format > 2 || trackCount == 0 || division == 0) return std::nullopt;

    // SMPTE division: frames per second (negative in the high byte) × ticks per frame.
    const bool smpte = division & 0x8000;
    const int fps = smpte ? -int(std::int8_t(division >> 8)) : 0;
    const std::uint32_t ticksPerFrame = division & 0xFF;
    if (smpte && (ticksPerFrame == 0 || (fps != 24 && fps != 25 && fps != 29 && fps != 30)))
        return std::nullopt;

    std::vector<TrackScan> tracks;
    while (tracks.size() < trackCount) {
        std::uint32_t length;
        if (!file.be(4, tag) || !file.be(4, length) || length > file.left()) return std::nullopt;
        if (tag == 0x4D54726B /* MTrk */) {
            TrackScan scan;
            if (!scanTrack(Reader(file.here(), length), scan)) return std::nullopt;
            tracks.push_back(std::move(scan));
        } // other chunks are skipped, as the format asks of readers
        file.skip(length);
    }

    if (smpte) {
        std::uint64_t endTick = 0;
        for (const TrackScan& t : tracks)
            endTick = std::max(endTick, t.endTick);
        // 29 stands for 29.97 frames a second (drop-frame): 30000 / 1001.
        const Wide framesNum = fps == 29 ? 30000 : Wide(fps) * 1001;
        return toMs(Wide(endTick) * 1000 * 1001, framesNum * ticksPerFrame);
    }
    if (format == 2) {
        std::int64_t longest = 0;
        for (TrackScan& t : tracks)
            longest = std::max(longest, tempoTimeMs(t.endTick, std::move(t.tempos), division));
        return longest;
    }
    std::uint64_t endTick = 0;
    std::vector<TempoChange> tempoMap;
    for (const TrackScan& t : tracks) {
        endTick = std::max(endTick, t.endTick);
        tempoMap.insert(tempoMap.end(), t.tempos.begin(), t.tempos.end());
    }
    return tempoTimeMs(endTick, std::move(tempoMap), division);
}

std::optional<std::vector<std::uint8_t>> readMidiFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    const std::streamoff size = in.tellg();
    if (size < 0 || std::uint64_t(size) > kMaxMidiFileBytes) return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) return std::nullopt;
    return bytes;
}

std::optional<std::int64_t> midiFileLengthMs(const std::string& path) {
    const auto bytes = readMidiFileBytes(path);
    if (!bytes) return std::nullopt;
    return midiLengthMs(bytes->data(), bytes->size());
}

} // namespace vs::audio
