// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine_music_devices.h"

namespace vs::library {

EngineMusicDevices::EngineMusicDevices(audio::Engine& engine, int streamVolume)
    : engine_(engine), streamVolume_(audio::clampVolume(streamVolume)), sequencer_(engine),
      cd_(engine) {}

audio::StreamId EngineMusicDevices::streamCreate(const std::string& path) {
    return engine_.createStream(path);
}
bool EngineMusicDevices::streamPlay(audio::StreamId s) {
    engine_.setStream(s, {std::nullopt, streamVolume_, std::nullopt, std::nullopt});
    return engine_.playStream(s);
}
void EngineMusicDevices::streamStop(audio::StreamId s) {
    engine_.stopStream(s);
}
void EngineMusicDevices::streamFree(audio::StreamId s) {
    engine_.freeStream(s);
}
bool EngineMusicDevices::streamActive(audio::StreamId s) {
    return engine_.streamState(s) == audio::PlayState::Playing;
}
std::optional<Seconds> EngineMusicDevices::streamLength(audio::StreamId s) {
    const auto info = engine_.streamInfo(s);
    // At the rate it plays at, which is the file's own until someone changes it.
    if (!info || info->rate <= 0) return std::nullopt;
    return Seconds(double(info->frames) / double(info->rate));
}

std::uint32_t EngineMusicDevices::mci(const std::string& command, std::string* reply) {
    return sequencer_.send(command, reply);
}

bool EngineMusicDevices::cdInit(const std::string& drive) {
    return cd_.init(drive);
}
void EngineMusicDevices::cdFree() {
    cd_.free();
}
std::optional<std::chrono::milliseconds> EngineMusicDevices::cdTrackLength(int track) {
    const auto ms = cd_.trackLengthMs(track);
    if (!ms) return std::nullopt;
    return std::chrono::milliseconds(*ms);
}
bool EngineMusicDevices::cdPlay(int track) {
    return cd_.play(track, false, true);
}
bool EngineMusicDevices::cdActive() {
    return cd_.playing();
}
void EngineMusicDevices::cdStop() {
    cd_.stop();
}
std::vector<std::string> EngineMusicDevices::cdDrives() {
    return audio::cdDrives();
}
std::vector<audio::CdTrackInfo> EngineMusicDevices::cdTracks(const std::string& drive) {
    return audio::cdAudioTracks(drive);
}

} // namespace vs::library
