// SPDX-License-Identifier: GPL-3.0-or-later
#include "system_music_devices.h"

#include "audio/bass.h"
#include "audio/cd.h"
#include "audio/mci.h"

namespace vs::library {

namespace {
// The audio library's CD channel.
constexpr std::uint32_t kCdChannel = 0;
// BASS_CDInit's flags as the program has always passed them.
constexpr std::uint32_t kCdInitFlags = 0x20;
} // namespace

std::uint32_t SystemMusicDevices::streamCreate(const std::string& path) {
    return BASS_StreamCreateFile(0, path.c_str(), 0, 0, 0);
}
std::uint32_t SystemMusicDevices::streamPlay(std::uint32_t stream) {
    return BASS_StreamPlay(stream, 0, 0);
}
void SystemMusicDevices::streamStop(std::uint32_t stream) {
    // Handle 0 is the CD's channel, never a stream.
    if (stream != kCdChannel) BASS_ChannelStop(stream);
}
void SystemMusicDevices::streamFree(std::uint32_t stream) {
    if (stream != kCdChannel) BASS_StreamFree(stream);
}
bool SystemMusicDevices::streamActive(std::uint32_t stream) {
    return stream != kCdChannel && BASS_ChannelIsActive(stream) == audio::kPlaying;
}
std::uint64_t SystemMusicDevices::streamLengthBytes(std::uint32_t stream) {
    return BASS_StreamGetLength(stream);
}
std::uint64_t SystemMusicDevices::musicLengthBytes(std::uint32_t handle) {
    return BASS_MusicGetLength(handle, 1);
}
std::uint32_t SystemMusicDevices::channelRate(std::uint32_t channel) {
    std::int32_t rate = 0;
    BASS_ChannelGetAttributes(channel, &rate, nullptr, nullptr);
    return rate > 0 ? std::uint32_t(rate) : 0;
}
std::uint32_t SystemMusicDevices::channelFlags(std::uint32_t channel) {
    return BASS_ChannelGetFlags(channel);
}

std::uint32_t SystemMusicDevices::mci(const std::string& command, std::string* reply) {
    return audio::mciSendString(command, reply);
}

std::uint32_t SystemMusicDevices::cdInit(const std::string& drive) {
    return BASS_CDInit(drive.c_str(), kCdInitFlags);
}
void SystemMusicDevices::cdFree() {
    BASS_CDFree();
}
std::uint32_t SystemMusicDevices::cdTrackLengthMs(std::uint32_t track) {
    return BASS_CDGetTrackLength(track);
}
std::uint32_t SystemMusicDevices::cdPlay(std::uint32_t track) {
    return BASS_CDPlay(track, 0, 1);
}
bool SystemMusicDevices::cdActive() {
    return BASS_ChannelIsActive(kCdChannel) == audio::kPlaying;
}
void SystemMusicDevices::cdStop() {
    BASS_ChannelStop(kCdChannel);
}
std::vector<std::string> SystemMusicDevices::cdDrives() {
    return audio::cdDrives();
}
std::vector<audio::CdTrackInfo> SystemMusicDevices::cdTracks(const std::string& drive) {
    return audio::cdAudioTracks(drive);
}

} // namespace vs::library
