// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Background music during a session: plays the playlist's current song by the
// means its kind needs (a file stream for "mp3", the MIDI sequencer for
// "mid", the CD for "cda"), stops it, picks the next song, and tells the
// session player when a song has ended.
//
// Thread rule: UI thread only, like the session player that drives it.
#include "links/player_links.h"

#include <set>
#include <string>

namespace vs {
class MessageService;
class Preferences;
} // namespace vs

namespace vs::library {

class MusicDevices;
class MusicLibrary;
class MusicView;

class MusicPlayer : public links::MusicLink {
public:
    MusicPlayer(MusicLibrary& library, MusicDevices& devices, MusicView& view,
                MessageService& messages, Preferences& prefs);

    void PlayMusica() override;
    void PararMusica() override;
    void SiguienteCancion() override;
    bool songEnded() override;

    // The sequencer's reply to "status midi mode".
    std::string modoMidi();
    // Exit: every MIDI device closed, the CD let go.
    void cerrar();

private:
    bool start(const std::string& kind, const std::string& path, std::int64_t& seconds);

    MusicLibrary& library_;
    MusicDevices& devices_;
    MusicView& view_;
    MessageService& messages_;
    Preferences& prefs_;
    // Songs that failed to start since the last one that did: each is told
    // once, so a list of broken files does not raise a box at every tick.
    std::set<std::string> failed_;
    bool starting_ = false;
};

} // namespace vs::library
