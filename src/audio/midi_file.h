#pragma once
// The length of a Standard MIDI File, worked out from its tempo map.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vs::audio {

// Length of a Standard MIDI File in ms from its tempo map (every track, running
// status, meta/sysex events, tempo changes); nullopt when it is not a MIDI file.
std::optional<std::int64_t> midiLengthMs(const std::uint8_t* data, std::size_t size);
std::optional<std::int64_t> midiFileLengthMs(const std::string& path);

} // namespace vs::audio
