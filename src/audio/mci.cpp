// Placeholder until the MIDI sequencer lands: every command fails.
#include "audio/mci.h"

namespace vs::audio {

std::uint32_t mciSendString(const std::string&, std::string* reply) {
    if (reply) reply->clear();
    return 1;
}

} // namespace vs::audio
