// Placeholder until the CD functions land: no drive, no disc, nothing plays.
#include "audio/cd.h"

std::uint32_t BASS_CDInit(const char*, std::uint32_t) {
    return 0;
}
std::uint32_t BASS_CDFree() {
    return 0;
}
std::uint32_t BASS_CDGetTrackLength(std::uint32_t) {
    return 0xFFFFFFFFu;
}
std::uint32_t BASS_CDPlay(std::uint32_t, std::uint32_t, std::uint32_t) {
    return 0;
}

namespace vs::audio {
std::vector<CdTrackInfo> cdAudioTracks(const std::string&) {
    return {};
}
std::vector<std::string> cdDrives() {
    return {};
}
} // namespace vs::audio
