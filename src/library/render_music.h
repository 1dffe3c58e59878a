// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Background music in an offline render: the real music player over a copy of
// the playlist, on the render's private engine. Streams play on that engine,
// MIDI songs on its own sequencer into that engine's Synth line; a CD track is
// not read (a render does not spin a drive from its worker): it plays nothing,
// the render's notes say so, and the playlist moves on as it would live.
//
// Thread rule: the factory may be copied anywhere; the link it makes lives on
// the render's thread and touches nothing of the window's.
#include "library/music_library.h"
#include "playback/session_render.h"

#include <string>
#include <vector>

namespace vs::library {

// The playlist as the window shows it when the export starts.
struct PlaylistSnapshot {
    std::vector<SongRow> rows;
    int currentRow = 0;      // 0: the first song
    bool musica = false;     // the music box
    int volumenMusica = 100; // the slider, 1..100
};

// `preferencesFile`: where "Tocar Ciclico" and "Tocar Todas Canciones" are
// read from (the render's own reader of that file).
playback::MusicLinkFactory renderMusic(PlaylistSnapshot playlist, std::string preferencesFile);

// The note for a CD track left out of a render.
std::string skippedCdNote(const std::string& drive, int track);

} // namespace vs::library
