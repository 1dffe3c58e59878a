// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI length reader: tempo maps across tracks, the event kinds a file may
// hold, and broken input.
#include "audio/midi_file.h"
#include "base/numeric.h"
#include "midi_writer.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

using namespace vs::test;
using vs::audio::midiFileLengthMs;
using vs::audio::midiLengthMs;

namespace {

std::optional<std::int64_t> lengthOf(const Bytes& b) {
    return midiLengthMs(b.data(), b.size());
}

// A format 1 song: tempo 60 bpm in the conductor track, a change to 240 bpm
// after two beats placed in the *second* track, and the notes running longest
// in the third.
Bytes tempoAcrossTracks() {
    TrackBytes conductor, second, third;
    conductor.tempo(0, 1000000).meta(0, 0x03, "Conductor").end(0);
    second.tempo(960, 250000).end(0);
    third.raw(0, {0x90, 60, 90}).raw(1920, {0x80, 60, 0}).end(0);
    return smf(1, 480, {conductor, second, third});
}

} // namespace

TEST(MidiFile, TempoMapIsTheUnionOfEveryTrack) {
    // 960 ticks at 1 s a beat (2 s), then 960 ticks at 0.25 s a beat (0.5 s).
    EXPECT_EQ(lengthOf(tempoAcrossTracks()), 2500);

    // The same changes all in one format 0 track, two of them on one tick.
    TrackBytes t;
    t.tempo(0, 1000000).raw(0, {0x90, 60, 90}).tempo(480, 2000000).tempo(0, 1000000);
    t.tempo(480, 250000).raw(960, {0x80, 60, 0}).end(0);
    EXPECT_EQ(lengthOf(smf(0, 480, {t})), 2500);

    // The default 120 bpm; the longest track decides, End of Track's delta
    // counts, and nothing after End of Track is read.
    TrackBytes a, b;
    a.raw(0, {0x90, 60, 90}).raw(480, {0x80, 60, 0}).end(0);
    b.end(1440).tempo(0, 1000000);
    EXPECT_EQ(lengthOf(smf(1, 480, {a, b})), 1500);
}

TEST(MidiFile, EventKindsAndRunningStatus) {
    TrackBytes t;
    t.raw(0, {0xC0, 5})                         // program change: one data byte
        .raw(0, {0x90, 60, 100})                // note on
        .raw(100, {62, 100})                    // running status
        .raw(100, {64, 100})                    //
        .raw(0, {0xF0, 0x03, 0x7E, 0x7F, 0xF7}) // sysex
        .meta(0, 0x01, std::string(300, 'x'))   // text meta with a two-byte length
        .raw(0, {0xF7, 0x02, 0x01, 0x02})       // escaped sysex
        .raw(0, {66, 100})                      // running status survives meta and sysex
        .raw(0, {0xD0, 40})                     // channel pressure: one data byte
        .raw(0, {0xE0, 0x00, 0x40})             // pitch bend
        .raw(0x81 << 7, {0x80, 60, 0})          // a delta of 16512 ticks, three bytes
        .end(0);
    EXPECT_EQ(lengthOf(smf(0, 480, {t})), std::llround((200 + (0x81 << 7)) * 500.0 / 480));
}

TEST(MidiFile, OtherDivisionsAndFormats) {
    // 25 frames of 40 ticks each a second: 1 ms a tick, tempo ignored.
    TrackBytes smpte;
    smpte.tempo(0, 250000).end(5000);
    EXPECT_EQ(lengthOf(smf(1, std::uint16_t((std::uint8_t(-25) << 8) | 40), {smpte})), 5000);
    // 29.97 frames a second, 100 ticks each.
    TrackBytes drop;
    drop.end(2997);
    EXPECT_EQ(lengthOf(smf(0, std::uint16_t((std::uint8_t(-29) << 8) | 100), {drop})), 1000);

    // Format 2: each track is its own song with its own tempo.
    TrackBytes fast, slow;
    fast.tempo(0, 250000).end(960);  // 0.5 s
    slow.tempo(0, 1000000).end(960); // 2 s
    EXPECT_EQ(lengthOf(smf(2, 480, {fast, slow})), 2000);

    // A chunk the reader does not know sits between the tracks and is skipped.
    TrackBytes t;
    t.end(480);
    Bytes b = smf(0, 480, {t});
    const Bytes alien = chunk("XFIH", Bytes(10, 0xFF));
    b.insert(b.begin() + 14, alien.begin(), alien.end());
    EXPECT_EQ(lengthOf(b), 500);
}

TEST(MidiFile, ExtremeValuesDoNotOverflow) {
    // 2000 deltas of the largest value at the slowest tempo, 1 tick a quarter.
    TrackBytes t;
    t.tempo(0, 0xFFFFFF);
    for (int i = 0; i < 2000; ++i)
        t.raw(0x0FFFFFFF, {0xFF, 0x01, 0x00});
    t.end(0);
    const auto ms = lengthOf(smf(0, 1, {t}));
    ASSERT_TRUE(ms.has_value());
    const double expected = 2000.0 * 0x0FFFFFFF * 0xFFFFFF / 1000.0;
    EXPECT_NEAR(double(*ms), expected, expected * 1e-12);
}

TEST(MidiFile, BrokenInputIsRefused) {
    const Bytes good = tempoAcrossTracks();
    ASSERT_TRUE(lengthOf(good));
    // Every strict prefix lacks part of a track or a whole one.
    for (std::size_t n = 0; n < good.size(); ++n)
        EXPECT_FALSE(midiLengthMs(good.data(), n)) << "prefix of " << n << " bytes";
    EXPECT_FALSE(midiLengthMs(nullptr, 0));

    auto broken = [](auto edit) {
        TrackBytes t;
        t.raw(0, {0x90, 60, 100}).end(480);
        Bytes b = smf(0, 480, {t});
        edit(b);
        return lengthOf(b);
    };
    EXPECT_FALSE(broken([](Bytes& b) { b[0] = 'X'; }));           // not MThd
    EXPECT_FALSE(broken([](Bytes& b) { b[13] = 0, b[12] = 0; })); // division 0
    EXPECT_FALSE(broken([](Bytes& b) { b[9] = 3; }));             // format 3
    EXPECT_FALSE(broken([](Bytes& b) { b[11] = 0; }));            // no tracks
    EXPECT_FALSE(broken([](Bytes& b) { b[18] = 0x7F; }));         // track length beyond the data
    EXPECT_FALSE(broken([](Bytes& b) { b[23] = 0x3C; })); // data byte with no status to run on
    EXPECT_FALSE(broken([](Bytes& b) { b[23] = 0xF4; })); // undefined status byte
    EXPECT_FALSE(broken([](Bytes& b) {
        b.insert(b.begin() + 22, {0xFF, 0xFF, 0xFF, 0xFF});
        b[21] += 4;
    })); // five-byte delta

    TrackBytes lying; // a meta event claiming more bytes than the track has
    lying.raw(0, {0xFF, 0x01, 0x8F, 0xFF, 0xFF, 0x7F});
    EXPECT_FALSE(lengthOf(smf(0, 480, {lying})));
}

TEST(MidiFile, FromAFile) {
    TempDir dir;
    save(dir.file("canción.mid"), tempoAcrossTracks());
    save(dir.file("texto.mid"), Bytes{'h', 'o', 'l', 'a'});
    EXPECT_EQ(midiFileLengthMs(dir.file("canción.mid")), 2500);
    EXPECT_FALSE(midiFileLengthMs(dir.file("texto.mid")));
    EXPECT_FALSE(midiFileLengthMs(dir.file("no existe.mid")));
    EXPECT_FALSE(midiFileLengthMs(dir.path())); // a folder
}

TEST(MidiFile, ShippedSongsHaveTheirListedLengths) {
    const std::pair<const char*, int> songs[] = {{"Amanecer.mid", 4 * 60 + 45},
                                                 {"Bosque.mid", 4 * 60 + 8},
                                                 {"Marea.mid", 2 * 60 + 57},
                                                 {"Nubes.mid", 5 * 60 + 14}};
    for (const auto& [name, seconds] : songs) {
        const auto ms = midiFileLengthMs(std::string(VS_SOURCE_DATA_DIR) + "/" + name);
        ASSERT_TRUE(ms.has_value()) << name;
        EXPECT_EQ(vs::roundHalfEven(double(*ms) / 1000.0), seconds) << name;
    }
}
