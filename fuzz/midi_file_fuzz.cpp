// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the MIDI length reader. Whatever the bytes, it must
// return (no overrun, no overflow the sanitizers see, no allocation the input
// size does not bound), and an accepted file must have a length that makes sense.
#include "audio/midi_file.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly `size` bytes, so reading one past the end is caught.
    const std::vector<std::uint8_t> bytes(data, data + size);
    const auto ms = vs::audio::midiLengthMs(bytes.data(), bytes.size());
    if (ms && *ms < 0) std::abort();
    // Trailing bytes after a complete file never turn it into a failure.
    if (ms) {
        std::vector<std::uint8_t> longer = bytes;
        longer.push_back(0);
        const auto again = vs::audio::midiLengthMs(longer.data(), longer.size());
        if (!again || *again != *ms) std::abort();
    }
    return 0;
}
