// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Background music in an offline render: the real music player over a copy of
// the playlist, on the render's private engine, with the devices the program
// plays its music through (EngineMusicDevices) made over that engine. Streams,
// MIDI songs and CD tracks all play as they would live, at the slider's level;
// what would show a box live (a CD that cannot be read, a song that will not
// play) goes into the render's notes, and the playlist moves on as it would.
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
links::MusicLinkFactory exportMusic(PlaylistSnapshot playlist, std::string preferencesFile);

} // namespace vs::library
