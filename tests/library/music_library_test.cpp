// SPDX-License-Identifier: GPL-3.0-or-later
// The playlist's rules without a window: the song's kind and time text, the
// CD track names, adding, removing and choosing songs, the list file at
// start-up and exit, and the volume slider kept in step with the mixer.
#include "library/list_file.h"
#include "library/song.h"
#include "music_fixture.h"

using namespace vs;
using namespace vs::test;
using audio::MixerLine;
using library::songKind;
using library::textoTiempo;

TEST(MusicSong, TimeTextInWholeHoursMinutesAndSeconds) {
    EXPECT_EQ(textoTiempo(0), "00:00");
    EXPECT_EQ(textoTiempo(-5), "00:00");
    EXPECT_EQ(textoTiempo(59), "00:59");
    EXPECT_EQ(textoTiempo(61), "01:01");
    EXPECT_EQ(textoTiempo(3599), "59:59");
    EXPECT_EQ(textoTiempo(3600), "01:00:00");
    EXPECT_EQ(textoTiempo(3660), "01:01:00");
    EXPECT_EQ(textoTiempo(3720), "01:02:00");
    EXPECT_EQ(textoTiempo(3725), "01:02:05");
    EXPECT_EQ(textoTiempo(36000 + 59 * 60 + 59), "10:59:59");
}

TEST(MusicSong, KindIsTheEndingInLowerCaseWithStreamsAsMp3) {
    EXPECT_EQ(songKind("/m/a.mp3"), "mp3");
    EXPECT_EQ(songKind("/m/a.MP3"), "mp3");
    EXPECT_EQ(songKind("/m/b.wav"), "mp3");
    EXPECT_EQ(songKind("/m/b.Wav"), "mp3");
    EXPECT_EQ(songKind("/m/c.OGG"), "mp3");
    EXPECT_EQ(songKind("/m/d.MID"), "mid");
    EXPECT_EQ(songKind("/dev/sr0/Track03.cda"), "cda");
    EXPECT_EQ(songKind("/m/e.flac"), "lac");
    EXPECT_EQ(songKind("ab"), "ab");
}

TEST(MusicSong, CdTrackNamesGiveTheirDriveAndTrack) {
    auto ref = library::parseCdTrackPath("/dev/sr0/Track03.cda");
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->drive, "/dev/sr0");
    EXPECT_EQ(ref->track, 3);
    ref = library::parseCdTrackPath("/tmp/t u/disc.cue/Track12.CDA");
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->drive, "/tmp/t u/disc.cue");
    EXPECT_EQ(ref->track, 12);
    for (const char* bad : {"Track03.cda", "/Track03.cda", "/dev/sr0/TrackAB.cda",
                            "/dev/sr0/Track00.cda", "/dev/sr0/Track03.mp3", "/dev/sr0/3.cda"})
        EXPECT_FALSE(library::parseCdTrackPath(bad)) << bad;
    EXPECT_EQ(library::cdTrackPath("/dev/sr1", 7), "/dev/sr1/Track07.cda");
    EXPECT_EQ(library::parseCdTrackPath(library::cdTrackPath("/x/d.cue", 21))->track, 21);
}

using MusicLibraryTest = MusicFixture;

TEST_F(MusicLibraryTest, AddingASongMeasuresItStoresItsFolderAndChoosesIt) {
    const std::string song = streamSong("Lluvia.wav", 125);
    Preferences::instance().save("Preferencias", "InitDir", "/inicio");
    add(song);
    ASSERT_EQ(lib->songCount(), 1);
    EXPECT_EQ(lib->row(1).path, song);
    EXPECT_EQ(lib->row(1).name, "Lluvia.wav");
    EXPECT_EQ(lib->row(1).duration, "02:05");
    EXPECT_EQ(lib->currentRow(), 1);
    EXPECT_EQ(lib->highlightedRow(), 1);
    EXPECT_EQ(lib->cancion().kind, "mp3");
    EXPECT_EQ(Preferences::instance().get("Preferencias", "InitDir", ""), dir.path());
    // Measured, then let go again.
    EXPECT_EQ(devices.count("streamFree " + std::to_string(devices.streamOf(song).slot)), 1);
    ASSERT_EQ(dialogs.filters.size(), 1u);
    EXPECT_EQ(dialogs.filters[0].description, "Ficheros musicales (mp3, wav, ogg, mid, cda)");
    EXPECT_EQ(dialogs.filters[0].patterns,
              (std::vector<std::string>{"*.mp3", "*.wav", "*.ogg", "*.mid", "*.cda"}));
    EXPECT_TRUE(shown.entries.empty());

    // A cancelled dialog changes nothing.
    lib->anadir();
    EXPECT_EQ(lib->songCount(), 1);
}

TEST_F(MusicLibraryTest, ASongAddedTwiceMovesToTheEndWithItsNewLength) {
    const std::string a = streamSong("a.mp3", 60), b = streamSong("b.ogg", 30);
    add(a);
    add(b);
    devices.streamFiles[a].bytes = 44100ull * 4 * 90;
    add(a);
    ASSERT_EQ(lib->songCount(), 2);
    EXPECT_EQ(lib->row(1).path, b);
    EXPECT_EQ(lib->row(2).path, a);
    EXPECT_EQ(lib->row(2).duration, "01:30");
    EXPECT_EQ(lib->currentRow(), 2);
    EXPECT_EQ(lib->highlightedRow(), 2);
}

TEST_F(MusicLibraryTest, MidiSongsAreMeasuredUnderTheirOwnAlias) {
    const std::string m = midiSong("Bosque.mid", 248'400);
    add(m);
    ASSERT_EQ(lib->songCount(), 1);
    EXPECT_EQ(lib->row(1).duration, "04:08");
    EXPECT_EQ(devices.count("mci open " + m + " type sequencer alias midi1"), 1);
    EXPECT_EQ(devices.count("mci close midi1"), 1);
    EXPECT_TRUE(devices.aliases.empty());

    // A file the sequencer does not take is unreadable.
    add(dir.file("roto.mid"));
    EXPECT_EQ(lib->songCount(), 1);
    EXPECT_TRUE(shown.saw("No se puede abrir el fichero"));
}

TEST_F(MusicLibraryTest, UnreadableFilesAreToldAndNotAdded) {
    add(dir.file("nada.mp3"));
    EXPECT_EQ(lib->songCount(), 0);
    ASSERT_EQ(shown.entries.size(), 1u);
    EXPECT_EQ(shown.entries[0].text, "No se puede abrir el fichero");
}

TEST_F(MusicLibraryTest, OtherKindsAreListedWithNoLength) {
    add(dir.file("canto.flac"));
    ASSERT_EQ(lib->songCount(), 1);
    EXPECT_EQ(lib->row(1).duration, "00:00");
    EXPECT_EQ(lib->cancion().kind, "lac");
}

TEST_F(MusicLibraryTest, CdTracksAreMeasuredOnTheirDrive) {
    devices.drives = {"/dev/sr0"};
    devices.discs["/dev/sr0"] = {{1, 61'000}, {3, 200'500}};
    ASSERT_TRUE(lib->anadirFichero("/dev/sr0/Track03.cda"));
    EXPECT_EQ(lib->row(1).name, "Track03.cda");
    EXPECT_EQ(lib->row(1).duration, "03:20"); // 200.5 s, halves to even
    EXPECT_EQ(lib->cancion().kind, "cda");
    // The CD is let go before it is opened on the track's drive.
    const auto freed = std::find(devices.log.begin(), devices.log.end(), "cdFree");
    const auto init = std::find(devices.log.begin(), devices.log.end(), "cdInit /dev/sr0");
    EXPECT_LT(freed, init);
    EXPECT_TRUE(shown.entries.empty());

    // No such track on the disc.
    EXPECT_FALSE(lib->anadirFichero("/dev/sr0/Track05.cda"));
    EXPECT_EQ(shown.entries.back().text, "No se puede abrir el fichero");
    // No such drive: both messages.
    shown.entries.clear();
    EXPECT_FALSE(lib->anadirFichero("/dev/sr9/Track01.cda"));
    ASSERT_EQ(shown.entries.size(), 2u);
    EXPECT_EQ(shown.entries[0].text, "No se puede inicializar el CD");
    EXPECT_EQ(shown.entries[1].text, "No se puede abrir el fichero");
    EXPECT_EQ(lib->songCount(), 1);
}

struct ScriptedCdChooser : library::CdTrackChooser {
    std::vector<library::CdTrackChoice> offered;
    std::vector<int> pick; // indexes into what is offered
    int asked = 0;
    std::vector<std::string> choose(const std::vector<library::CdTrackChoice>& t) override {
        ++asked;
        offered = t;
        std::vector<std::string> out;
        for (int i : pick)
            out.push_back(t[std::size_t(i)].path);
        return out;
    }
};

TEST_F(MusicLibraryTest, CdTrackDialogOffersEveryDiscTrackAndAddsTheChosen) {
    ScriptedCdChooser chooser;
    lib->anadirPistasCd(chooser);
    EXPECT_EQ(chooser.asked, 0);
    EXPECT_TRUE(shown.saw("No hay ningún disco de audio en la unidad"));

    devices.drives = {"/dev/sr0", "/dev/sr1"};
    devices.discs["/dev/sr1"] = {{1, 61'000}, {2, 3'725'000}};
    chooser.pick = {1, 0};
    shown.entries.clear();
    lib->anadirPistasCd(chooser);
    ASSERT_EQ(chooser.offered.size(), 2u);
    EXPECT_EQ(chooser.offered[0].path, "/dev/sr1/Track01.cda");
    EXPECT_EQ(chooser.offered[1].label, "Pista 2  (01:02:05)");
    ASSERT_EQ(lib->songCount(), 2);
    EXPECT_EQ(lib->row(1).path, "/dev/sr1/Track02.cda");
    EXPECT_EQ(lib->row(1).duration, "01:02:05");
    EXPECT_EQ(lib->row(2).path, "/dev/sr1/Track01.cda");
    EXPECT_TRUE(shown.entries.empty());
}

TEST_F(MusicLibraryTest, RemovingAsksAndKeepsTheFile) {
    const std::string a = streamSong("a.mp3"), b = streamSong("b.mp3"), c = streamSong("c.mp3");
    add(a);
    add(b);
    add(c);
    lib->pulsar(2);
    shown.answers = {false};
    lib->eliminar();
    EXPECT_EQ(lib->songCount(), 3);
    EXPECT_EQ(shown.entries.back().text, "Eliminar: b.mp3?");

    shown.answers = {true};
    lib->eliminar();
    ASSERT_EQ(lib->songCount(), 2);
    EXPECT_EQ(lib->row(2).path, c);
    EXPECT_EQ(lib->currentRow(), 2);
    EXPECT_EQ(lib->highlightedRow(), 2);
    EXPECT_TRUE(fileExists(b));

    // The last row removed: the one before it becomes current.
    shown.answers = {true};
    lib->eliminar();
    EXPECT_EQ(lib->songCount(), 1);
    EXPECT_EQ(lib->currentRow(), 1);
    // The only song: the list is left with its header alone.
    shown.answers = {true};
    lib->eliminar();
    EXPECT_EQ(lib->songCount(), 0);
    EXPECT_EQ(lib->currentRow(), 0);
    const auto asked = shown.entries.size();
    lib->eliminar();
    EXPECT_EQ(shown.entries.size(), asked);
}

TEST_F(MusicLibraryTest, ChoosingASongSetsTheSliderFromItsMixerLine) {
    devices.drives = {"/dev/sr0"};
    devices.discs["/dev/sr0"] = {{1, 61'000}};
    add(streamSong("a.mp3"));
    add(midiSong("b.mid", 1000));
    ASSERT_TRUE(lib->anadirFichero("/dev/sr0/Track01.cda"));
    add(dir.file("d.flac"));
    setLevel(MixerLine::Wave, 32768);
    setLevel(MixerLine::Synth, 6554);
    setLevel(MixerLine::CD, 65535);
    mixer->writes.clear();

    lib->pulsar(1);
    EXPECT_EQ(view.value, 50);
    lib->pulsar(2);
    EXPECT_EQ(view.value, 10);
    EXPECT_EQ(lib->cancion().kind, "mid");
    lib->pulsar(3);
    EXPECT_EQ(view.value, 100);
    lib->pulsar(4);
    EXPECT_EQ(view.value, 100); // another kind leaves the slider alone
    EXPECT_EQ(lib->cancion().kind, "lac");
    // Each move wrote back what the slider stands for, to the song's own line.
    ASSERT_EQ(mixer->writes.size(), 3u);
    EXPECT_EQ(mixer->writes[0], std::pair(MixerLine::Wave, 32768));
    EXPECT_EQ(mixer->writes[1], std::pair(MixerLine::Synth, 6554));
    EXPECT_EQ(mixer->writes[2], std::pair(MixerLine::CD, 65535));
}

TEST_F(MusicLibraryTest, SliderWritesTheLineOfTheCurrentKind) {
    // No song chosen yet: the wave line.
    lib->scrollVolumenMusicaCambiado(50);
    EXPECT_EQ(level(MixerLine::Wave), 32768); // 32767.5, halves to even
    lib->scrollVolumenMusicaCambiado(1);
    EXPECT_EQ(level(MixerLine::Wave), 655);

    add(midiSong("b.mid", 1000));
    lib->scrollVolumenMusicaCambiado(30);
    EXPECT_EQ(level(MixerLine::Synth), 19660); // 19660.5
    add(dir.file("d.flac"));
    mixer->writes.clear();
    lib->scrollVolumenMusicaCambiado(70);
    EXPECT_TRUE(mixer->writes.empty());
}

TEST_F(MusicLibraryTest, TheSliderFollowsTheMixerEveryTimerTick) {
    // Nothing chosen: nothing happens.
    lib->sliderFromMixer();
    EXPECT_EQ(view.value, 100);
    EXPECT_TRUE(mixer->writes.empty());

    add(streamSong("a.mp3"));
    setLevel(MixerLine::Wave, 16384); // someone else turned it down
    lib->sliderFromMixer();
    EXPECT_EQ(view.value, 25);
    // A silent line: the slider shows its lowest mark, the line stays silent.
    setLevel(MixerLine::Wave, 0);
    mixer->writes.clear();
    lib->sliderFromMixer();
    EXPECT_EQ(view.value, 1);
    EXPECT_TRUE(mixer->writes.empty());
    EXPECT_EQ(level(MixerLine::Wave), 0);
    // A line nobody serves has maximum 0: the slider is left alone.
    mixer->present[std::size_t(MixerLine::Wave)] = false;
    view.value = 40;
    lib->sliderFromMixer();
    EXPECT_EQ(view.value, 40);
}

TEST_F(MusicLibraryTest, FirstRunListsTheShippedMidiFilesThatExist) {
    writeFile(dir.file("data/Amanecer.mid"), "MThd");
    writeFile(dir.file("data/Marea.mid"), "MThd");
    lib->cargarLista();
    ASSERT_EQ(lib->songCount(), 2);
    EXPECT_EQ(lib->row(1).path, dir.file("data/Amanecer.mid"));
    EXPECT_EQ(lib->row(1).name, "Amanecer.mid");
    EXPECT_EQ(lib->row(1).duration, "04:45");
    EXPECT_EQ(lib->row(2).name, "Marea.mid");
    EXPECT_EQ(lib->row(2).duration, "02:57");
    EXPECT_EQ(Preferences::instance().get("Inicio", "Musica", "0"), "1");
    EXPECT_EQ(lib->currentRow(), 0);
    lib->iniciar();
    EXPECT_EQ(lib->currentRow(), 1);
    EXPECT_EQ(lib->highlightedRow(), 1);
    EXPECT_EQ(lib->cancion().kind, "mid");
    EXPECT_TRUE(shown.entries.empty());
}

TEST_F(MusicLibraryTest, TheListFileRoundTripsWithPathsAsWritten) {
    Preferences::instance().save("Inicio", "Musica", "1");
    const std::string a = streamSong("Rio.mp3", 3725), b = midiSong("b.mid", 61'000);
    add(a);
    add(b);
    ASSERT_TRUE(lib->guardarLista());
    EXPECT_EQ(readFile(lib->listFile()), "Velorin Somnara\r\n" + a + "\r\nRio.mp3\r\n01:02:05\r\n" +
                                             b + "\r\nb.mid\r\n01:01\r\n");

    // Another start: the same rows, paths untouched (no rebuild from the program's folder).
    library::MusicLibrary again(devices, *volume, view, shown, dialogs, Preferences::instance());
    again.cargarLista();
    ASSERT_EQ(again.songCount(), 2);
    EXPECT_EQ(again.row(1).path, a);
    EXPECT_EQ(again.row(1).name, "Rio.mp3");
    EXPECT_EQ(again.row(2).duration, "01:01");

    // With no songs only the header is written.
    library::MusicLibrary empty(devices, *volume, view, shown, dialogs, Preferences::instance());
    ASSERT_TRUE(empty.guardarLista());
    EXPECT_EQ(readFile(lib->listFile()), "Velorin Somnara\r\n");
}

TEST_F(MusicLibraryTest, AListWithAWrongHeaderIsToldAndNotLoadedButKeptBesideIt) {
    Preferences::instance().save("Inicio", "Musica", "1");
    const std::string bad = "Otro programa\r\n/a.mp3\r\na.mp3\r\n01:00\r\n";
    writeFile(lib->listFile(), bad);
    writeFile(lib->listFile() + ".ilegible", "an older one");
    lib->cargarLista();
    EXPECT_EQ(lib->songCount(), 0);
    // An earlier unreadable list is not written over either.
    const std::string kept = lib->listFile() + ".ilegible.2";
    EXPECT_TRUE(shown.saw("Se ha producido un error al leer los datos de " + lib->listFile() +
                          "; se conserva como " + kept));
    ASSERT_TRUE(lib->guardarLista());
    EXPECT_EQ(readFile(kept), bad);
    EXPECT_EQ(readFile(lib->listFile() + ".ilegible"), "an older one");
    // A missing list is no error.
    shown.entries.clear();
    std::remove(lib->listFile().c_str());
    lib->cargarLista();
    EXPECT_TRUE(shown.entries.empty());
}
