// SPDX-License-Identifier: GPL-3.0-or-later
// The music player on the music-device double: starting and stopping each
// kind, the end-of-song check, the next song for the four settings of the two
// playlist keys, and what happens when songs are missing or fail.
#include "music_fixture.h"

#include <filesystem>

using namespace vs;
using namespace vs::test;

using MusicPlayerTest = MusicFixture;

namespace {
void setKeys(const char* todas, const char* ciclico) {
    Preferences::instance().save("Opciones", "Tocar Todas Canciones", todas);
    Preferences::instance().save("Opciones", "Tocar Ciclico", ciclico);
}
} // namespace

TEST_F(MusicPlayerTest, AStreamSongPlaysItsFileAndShowsItsLength) {
    const std::string a = streamSong("a.wav", 100);
    add(a);
    lib->setDuration(1, "");
    devices.log.clear();
    player->PlayMusica();
    const audio::StreamId s = devices.streamOf(a);
    ASSERT_TRUE(s);
    // Whatever played before is let go first.
    ASSERT_GE(devices.log.size(), 4u);
    EXPECT_EQ(devices.log[0], "mci close all");
    EXPECT_EQ(devices.log[1], "cdFree");
    EXPECT_EQ(devices.log[2], "streamCreate " + a);
    EXPECT_EQ(devices.log[3], "streamPlay " + std::to_string(s.slot));
    EXPECT_EQ(lib->cancion().stream, s);
    EXPECT_EQ(lib->cancion().path, a);
    EXPECT_EQ(lib->row(1).duration, "01:40");
    EXPECT_FALSE(player->songEnded());

    player->PararMusica();
    EXPECT_EQ(devices.log.back(), "streamStop " + std::to_string(s.slot));
    EXPECT_TRUE(player->songEnded());
    // The next start frees the old stream.
    player->PlayMusica();
    EXPECT_EQ(devices.count("streamFree " + std::to_string(s.slot)), 1);
    EXPECT_TRUE(shown.entries.empty());
}

TEST_F(MusicPlayerTest, AMidiSongPlaysOnTheSequencerUntilItSaysStopped) {
    const std::string m = midiSong("Nubes.mid", 314'000);
    add(m);
    player->PlayMusica();
    EXPECT_EQ(devices.aliases["midi"], m);
    EXPECT_EQ(devices.count("mci play midi from 0"), 1);
    EXPECT_EQ(lib->row(1).duration, "05:14");
    EXPECT_FALSE(player->songEnded());
    devices.midiMode = "stopped";
    EXPECT_TRUE(player->songEnded());
    EXPECT_EQ(player->modoMidi(), "stopped");
    player->PararMusica();
    EXPECT_EQ(devices.log.back(), "mci stop midi");
    player->cerrar();
    EXPECT_TRUE(devices.aliases.empty());
    EXPECT_EQ(devices.log.back(), "cdFree");
}

TEST_F(MusicPlayerTest, ACdTrackPlaysOnItsDriveUntilTheChannelStops) {
    devices.drives = {"/dev/sr0"};
    devices.discs["/dev/sr0"] = {{1, 61'000}, {2, 125'000}};
    ASSERT_TRUE(lib->anadirFichero("/dev/sr0/Track02.cda"));
    player->PlayMusica();
    EXPECT_EQ(devices.cdDrive, "/dev/sr0");
    EXPECT_EQ(devices.log.back(), "cdPlay 2");
    EXPECT_EQ(lib->cancion().cdTrack, 2);
    EXPECT_FALSE(player->songEnded());
    player->PararMusica();
    EXPECT_EQ(devices.log.back(), "cdStop");
    EXPECT_TRUE(player->songEnded());

    // The disc was taken out: the track no longer exists and nothing plays.
    devices.discs.clear();
    devices.log.clear();
    player->PlayMusica();
    EXPECT_TRUE(devices.log.empty());
    EXPECT_TRUE(shown.entries.empty());
}

TEST_F(MusicPlayerTest, AFailedStartIsToldOncePerSongUntilOneStarts) {
    const std::string a = streamSong("a.mp3"), b = streamSong("b.mp3");
    devices.streamFiles[a].plays = false;
    devices.streamFiles[b].plays = false;
    add(a);
    add(b);
    lib->setCurrentRow(1);
    player->PlayMusica();
    ASSERT_EQ(shown.entries.size(), 1u);
    EXPECT_EQ(shown.entries[0].text, "Error al reproducir el fichero");
    // The session player's check then moves on; the failed song counts as ended.
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(player->songEnded());
        player->PararMusica();
        player->SiguienteCancion();
        player->PlayMusica();
    }
    EXPECT_EQ(shown.entries.size(), 2u); // once for each of the two songs
    devices.streamFiles[a].plays = true;
    lib->setCurrentRow(1);
    player->PlayMusica();
    devices.streamFiles[a].plays = false;
    player->PlayMusica();
    EXPECT_EQ(shown.entries.size(), 3u);
}

TEST_F(MusicPlayerTest, CdThatWillNotStartGivesBothMessages) {
    devices.drives = {"/dev/sr0"};
    devices.discs["/dev/sr0"] = {{1, 61'000}};
    ASSERT_TRUE(lib->anadirFichero("/dev/sr0/Track01.cda"));
    devices.drives.clear(); // the drive answers the listing but will not open
    player->PlayMusica();
    ASSERT_EQ(shown.entries.size(), 2u);
    EXPECT_EQ(shown.entries[0].text, "No se puede inicializar el CD");
    EXPECT_EQ(shown.entries[1].text, "Error al reproducir el fichero");
}

TEST_F(MusicPlayerTest, MissingFilesAreSkippedAndAllMissingPlaysNothing) {
    const std::string a = streamSong("a.mp3"), b = streamSong("b.mp3"), c = streamSong("c.mp3");
    add(a);
    add(b);
    add(c);
    std::remove(a.c_str());
    std::remove(b.c_str());
    lib->setCurrentRow(1);
    player->PlayMusica();
    EXPECT_EQ(lib->currentRow(), 3);
    EXPECT_TRUE(devices.streamOf(c));
    EXPECT_TRUE(devices.streams[devices.streamOf(c)].active);

    std::remove(c.c_str());
    devices.log.clear();
    lib->setCurrentRow(2);
    player->PlayMusica();
    // One try per row below the grid's heading: the search comes round to
    // where it began.
    EXPECT_EQ(lib->currentRow(), 2);
    // Nothing opened, nothing played, nothing shown.
    for (const std::string& call : devices.log)
        EXPECT_EQ(call.rfind("stream", 0), std::string::npos) << call;
    EXPECT_EQ(devices.count("mci close all"), 0);
    EXPECT_TRUE(shown.entries.empty());
}

TEST_F(MusicPlayerTest, AFolderOrABrokenLinkNamedLikeASongFailsLikeAnyOtherOnce) {
    std::filesystem::create_directory(dir.file("carpeta.mp3"));
    std::filesystem::create_symlink(dir.file("ido.mid"), dir.file("roto.mid"));
    lib->adoptRows({{dir.file("carpeta.mp3"), "carpeta.mp3", "00:00"},
                    {dir.file("roto.mid"), "roto.mid", "00:00"}},
                   1);
    for (int row : {1, 1, 2, 2, 1}) {
        lib->setCurrentRow(row);
        player->PlayMusica();
    }
    ASSERT_EQ(shown.entries.size(), 2u); // each once
    for (const auto& e : shown.entries)
        EXPECT_EQ(e.text, "Error al reproducir el fichero");
}

TEST_F(MusicPlayerTest, NothingPlaysWithMusicOffOrAnEmptyList) {
    player->PlayMusica();
    add(streamSong("a.mp3"));
    view.musica = false;
    devices.log.clear();
    player->PlayMusica();
    EXPECT_TRUE(devices.log.empty());
}

TEST_F(MusicPlayerTest, StoppingWithNoSongChosenDoesNothing) {
    player->PararMusica();
    EXPECT_TRUE(devices.log.empty());
    EXPECT_FALSE(player->songEnded());
    // Another kind never counts as ended either, and plays nothing.
    writeFile(dir.file("x.flac"), "fLaC");
    add(dir.file("x.flac"));
    devices.log.clear();
    player->PlayMusica();
    player->PararMusica();
    EXPECT_FALSE(player->songEnded());
    EXPECT_EQ(devices.log, (std::vector<std::string>{"mci close all", "cdFree"}));
}

struct NextSong : MusicPlayerTest, ::testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(NextSong, FollowsTheTwoPlaylistKeys) {
    const auto [todas, ciclico] = GetParam();
    setKeys(todas ? "1" : "0", ciclico ? "1" : "0");
    add(streamSong("a.mp3"));
    add(midiSong("b.mid", 1000));
    add(streamSong("c.mp3"));
    lib->setCurrentRow(2);
    player->SiguienteCancion();
    EXPECT_EQ(lib->currentRow(), todas ? 2 : 3);
    lib->setCurrentRow(3);
    player->SiguienteCancion();
    // At the last song: back to the first only when cycling; the selected
    // song alone repeats with "Tocar Todas Canciones" set.
    EXPECT_EQ(lib->currentRow(), !todas && ciclico ? 1 : 3);
    if (!todas) {
        // The choice ran the click handling: highlight and kind follow.
        EXPECT_EQ(lib->highlightedRow(), lib->currentRow());
        EXPECT_EQ(lib->cancion().kind, "mp3");
    }
}

INSTANTIATE_TEST_SUITE_P(TodasCiclico, NextSong,
                         ::testing::Combine(::testing::Values(0, 1), ::testing::Values(0, 1)));
