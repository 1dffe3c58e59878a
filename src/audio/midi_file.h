// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Standard MIDI Files measured without playing them: the length follows from
// the tempo map alone, so a song is timed without a synthesizer. Plain C++,
// any thread, no state.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vs::audio {

// Larger files are refused unread: a song is a few hundred kilobytes at most,
// and anything else must not make us allocate at will.
inline constexpr std::size_t kMaxMidiFileBytes = std::size_t(16) << 20;

// Length of a Standard MIDI File in ms from its tempo map (every track, running
// status, meta/sysex events, tempo changes); nullopt when it is not a MIDI file.
// Tracks run side by side (formats 0 and 1: one tempo map, the union of every
// track's tempo events); the length is the time of the last event of any track,
// End of Track included. A format 2 file's tracks are separate songs: each is
// timed by its own tempo events and the longest counts. Truncated or malformed
// data gives nullopt; nothing in the data is trusted for a size.
std::optional<std::int64_t> midiLengthMs(const std::uint8_t* data, std::size_t size);
std::optional<std::int64_t> midiFileLengthMs(const std::string& path);

// The whole file, when it opens and is at most kMaxMidiFileBytes long. Any thread.
std::optional<std::vector<std::uint8_t>> readMidiFileBytes(const std::string& path);

} // namespace vs::audio
