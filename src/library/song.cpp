// SPDX-License-Identifier: GPL-3.0-or-later
#include "song.h"

#include "base/numeric.h"
#include "music_devices.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace vs::library {

std::string songKind(const std::string& path) {
    std::string kind = path.size() >= 3 ? path.substr(path.size() - 3) : path;
    // "X.MP3" is the same file kind as "x.mp3": played, measured and sent to
    // the wave line alike.
    std::transform(kind.begin(), kind.end(), kind.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (kind == "wav" || kind == "ogg") return "mp3";
    return kind;
}

namespace {
std::string twoDigits(std::int64_t n) {
    return n < 10 ? "0" + std::to_string(n) : std::to_string(n);
}
} // namespace

std::string textoTiempo(std::int64_t s) {
    if (s < 1) return "00:00";
    // Whole numbers throughout: single-precision minutes would turn an exact
    // hour and a minute into "01:00:60".
    const std::int64_t h = s / 3600, m = s % 3600 / 60, sec = s % 60;
    const std::string ms = twoDigits(m) + ":" + twoDigits(sec);
    return h == 0 ? ms : twoDigits(h) + ":" + ms;
}

std::int64_t secondsOfMs(double ms) {
    return static_cast<std::int64_t>(roundHalfEven(ms / 1000.0));
}

std::int64_t openMidi(MusicDevices& devices, const std::string& path, const std::string& alias) {
    devices.mci("open " + path + " type sequencer alias " + alias, nullptr);
    devices.mci("set " + alias + " time format ms", nullptr);
    std::string reply;
    devices.mci("status " + alias + " length", &reply);
    double ms = 0;
    return parseNumber(reply, ms) ? secondsOfMs(ms) : 0;
}

std::int64_t streamSeconds(MusicDevices& devices, audio::StreamId stream) {
    const auto length = devices.streamLength(stream);
    return length ? static_cast<std::int64_t>(roundHalfEven(length->count())) : 0;
}

std::optional<CdTrackRef> parseCdTrackPath(const std::string& path) {
    if (songKind(path) != "cda" || path.size() < 6) return std::nullopt;
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos || slash == 0) return std::nullopt;
    const char a = path[path.size() - 6], b = path[path.size() - 5];
    if (!std::isdigit(static_cast<unsigned char>(a)) ||
        !std::isdigit(static_cast<unsigned char>(b)) || path.size() - 6 <= slash)
        return std::nullopt;
    const int track = (a - '0') * 10 + (b - '0');
    if (track < 1) return std::nullopt;
    return CdTrackRef{path.substr(0, slash), track};
}

std::string cdTrackPath(const std::string& drive, int track) {
    return drive + "/Track" + twoDigits(track) + ".cda";
}

bool songExists(MusicDevices& devices, const std::string& path) {
    // Whatever goes by the name counts, as for a search of the folder: a
    // folder or a broken link named like a song is tried, and fails to play
    // like any other song that cannot.
    if (songKind(path) != "cda") {
        std::error_code ec;
        const auto type = std::filesystem::symlink_status(path, ec).type();
        return !ec && type != std::filesystem::file_type::not_found;
    }
    const auto ref = parseCdTrackPath(path);
    if (!ref) return false;
    const auto tracks = devices.cdTracks(ref->drive);
    return std::any_of(tracks.begin(), tracks.end(),
                       [&](const audio::CdTrackInfo& t) { return t.number == ref->track; });
}

} // namespace vs::library
