// SPDX-License-Identifier: GPL-3.0-or-later
#include "music_player.h"

#include "base/interface_language.h"
#include "base/numeric.h"
#include "base/preferences.h"
#include "base/services.h"
#include "music_devices.h"
#include "music_library.h"
#include "playback/playback_keys.h"
#include "song.h"

namespace vs::library {

namespace {
// The sequencer alias of the song that plays.
constexpr const char* kPlayAlias = "midi";
} // namespace

MusicPlayer::MusicPlayer(MusicLibrary& library, MusicDevices& devices, MusicView& view,
                         MessageService& messages, Preferences& prefs)
    : library_(library), devices_(devices), view_(view), messages_(messages), prefs_(prefs) {}

void MusicPlayer::PlayMusica() {
    if (!view_.chkMusica() || library_.songCount() < 1 || starting_) return;
    if (library_.currentRow() < 1) library_.setCurrentRow(1);
    std::string path = library_.row(library_.currentRow()).path;
    // As many tries as the grid has rows below its heading: with every song
    // missing and the list cycling, the search ends where it began.
    for (int tries = library_.songCount(); !songExists(devices_, path) && tries > 0; --tries) {
        SiguienteCancion();
        path = library_.row(library_.currentRow()).path;
    }
    if (!songExists(devices_, path)) return;

    CurrentSong& song = library_.cancion();
    song.path = path;
    song.kind = songKind(path);
    devices_.mci("close all", nullptr);
    devices_.streamFree(song.stream);
    song.stream = {};
    devices_.cdFree();

    // A message box runs the event loop: a session tick arriving meanwhile
    // must not start another song on top of this one.
    starting_ = true;
    std::int64_t seconds = 0;
    const bool ok = start(song.kind, path, seconds);
    if (ok) {
        failed_.clear();
        library_.setDuration(library_.currentRow(), textoTiempo(seconds));
    } else if (failed_.insert(path).second) {
        messages_.critical(translate("MusicPlayer", "Error al reproducir el fichero"));
    }
    starting_ = false;
}

bool MusicPlayer::start(const std::string& kind, const std::string& path, std::int64_t& seconds) {
    CurrentSong& song = library_.cancion();
    if (kind == "mid") {
        seconds = openMidi(devices_, path, kPlayAlias);
        return devices_.mci(std::string("play ") + kPlayAlias + " from 0", nullptr) == 0;
    }
    if (kind == "mp3") {
        song.stream = devices_.streamCreate(path);
        if (!song.stream) return false;
        seconds = streamSeconds(devices_, song.stream);
        return devices_.streamPlay(song.stream);
    }
    if (kind == "cda") {
        const auto ref = parseCdTrackPath(path);
        if (!ref || !devices_.cdInit(ref->drive)) {
            messages_.critical(translate("MusicPlayer", "No se puede inicializar el CD"));
            return false;
        }
        song.cdTrack = ref->track;
        if (const auto length = devices_.cdTrackLength(ref->track))
            seconds = secondsOfMs(double(length->count()));
        return devices_.cdPlay(ref->track);
    }
    return true; // nothing to play for another kind; its length is 0
}

void MusicPlayer::PararMusica() {
    const CurrentSong& song = library_.cancion();
    if (song.kind == "mid")
        devices_.mci(std::string("stop ") + kPlayAlias, nullptr);
    else if (song.kind == "mp3")
        devices_.streamStop(song.stream);
    else if (song.kind == "cda")
        devices_.cdStop();
}

void MusicPlayer::SiguienteCancion() {
    if (prefs_.getInt(playback::pref::TocarTodasCanciones) != 0) return;
    const int n = library_.songCount();
    if (n < 1) return;
    const int r = library_.currentRow();
    if (r >= n) {
        if (prefs_.getInt(playback::pref::TocarCiclico) == 1) library_.setCurrentRow(1);
    } else {
        library_.setCurrentRow(r + 1);
    }
    library_.clic();
}

bool MusicPlayer::songEnded() {
    if (starting_) return false;
    const CurrentSong& song = library_.cancion();
    if (song.kind == "mid") return modoMidi().find("stopped") != std::string::npos;
    if (song.kind == "mp3") return !devices_.streamActive(song.stream);
    if (song.kind == "cda") return !devices_.cdActive();
    return false;
}

std::string MusicPlayer::modoMidi() {
    std::string reply;
    devices_.mci(std::string("status ") + kPlayAlias + " mode", &reply);
    return reply;
}

void MusicPlayer::cerrar() {
    devices_.mci("close all", nullptr);
    devices_.cdFree();
}

} // namespace vs::library
