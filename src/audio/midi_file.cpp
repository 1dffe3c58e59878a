// Placeholder until the MIDI reader lands: nothing is a MIDI file.
#include "audio/midi_file.h"

namespace vs::audio {

std::optional<std::int64_t> midiLengthMs(const std::uint8_t*, std::size_t) {
    return std::nullopt;
}
std::optional<std::int64_t> midiFileLengthMs(const std::string&) {
    return std::nullopt;
}

} // namespace vs::audio
