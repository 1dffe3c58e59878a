// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The playlist: the rows of FlexMusica and every command on them (load and
// save the list file, add a song or CD tracks, remove, choose a row), the
// current song, and the music volume slider kept in step with the mixer line
// of the song's kind. Free of widgets, so each rule runs in a test; the grid
// shows what this holds and forwards the user's gestures.
//
// Songs are rows 1..songCount(); there is no special row.
//
// Thread rule: UI thread only (it shows modal messages and dialogs).
#include "base/services.h"
#include "list_file.h"
#include "audio/engine.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vs {
class FileDialogService;
class MessageService;
class Preferences;
} // namespace vs
namespace vs::audio {
class clsVolume;
}

namespace vs::library {

class MusicDevices;

struct SongRow {
    std::string path;     // column 0, hidden
    std::string name;     // column 1, "Canción"
    std::string duration; // column 2, "Duración"
};

// The window's music controls.
class MusicView {
public:
    virtual ~MusicView() = default;
    virtual bool chkMusica() const = 0;
    virtual int scrollVolumenMusica() const = 0;
    // Moves the slider (1..100); a new value raises the slider's change, as
    // the user's move does.
    virtual void setScrollVolumenMusica(int value) = 0;
};

// The tracks offered by "Añadir pista de CD...", and the user's choice.
struct CdTrackChoice {
    std::string path;  // "<drive>/TrackNN.cda"
    std::string label; // what the list shows
};
class CdTrackChooser {
public:
    virtual ~CdTrackChooser() = default;
    // The paths chosen; none when cancelled.
    virtual std::vector<std::string> choose(const std::vector<CdTrackChoice>& tracks) = 0;
};

// The song that plays or played last.
struct CurrentSong {
    std::string path;
    std::string kind; // "" before any song was chosen
    audio::StreamId stream;
    int cdTrack = 0;
};

class MusicLibrary {
public:
    MusicLibrary(MusicDevices& devices, audio::clsVolume& volume, MusicView& view,
                 MessageService& messages, FileDialogService& dialogs, Preferences& prefs);

    int songCount() const { return static_cast<int>(rows_.size()); }
    const SongRow& row(int r) const { return rows_[static_cast<std::size_t>(r - 1)]; }
    // 0 while the list is empty or nothing was chosen yet.
    int currentRow() const { return current_; }
    int highlightedRow() const { return highlighted_; }
    void setCurrentRow(int r);
    const std::vector<SongRow>& rows() const { return rows_; }
    // A copy of another playlist's rows (an export's own playlist); `current`
    // 0 or out of range: the first song.
    void adoptRows(std::vector<SongRow> rows, int current);
    void setDuration(int r, const std::string& text);

    CurrentSong& cancion() { return cancion_; }
    const CurrentSong& cancion() const { return cancion_; }

    std::string listFile() const;
    // Start-up: the list file, with the shipped MIDI files on a first run.
    void cargarLista();
    // Start-up, once everything is up: the first song is chosen.
    void iniciar();
    // Exit: the list file rewritten whole; false when it could not be
    // written (the old list is then left as it was).
    bool guardarLista() const;

    // "&Añadir Canción...": asks for a file, measures it and appends it.
    void anadir();
    // The same without the dialog; false (and told) when it cannot be read.
    bool anadirFichero(const std::string& path);
    // What the dialog offers; a file dropped on the playlist must pass the same.
    static FileFilter songFilter();
    static bool takesFile(const std::string& path);
    // "Añadir pista de CD...": the tracks of the discs in the drives, chosen
    // by the user and added as songs.
    void anadirPistasCd(CdTrackChooser& chooser);
    // "&Eliminar Canción".
    void eliminar();

    // The grid's selection handler: highlight, kind, volume slider.
    void clic();
    // A press on the grid that has moved it to `row`.
    void pulsar(int row);

    // The slider moved (by the user or by the handlers here): the mixer line
    // of the current kind follows.
    void scrollVolumenMusicaCambiado(int value);
    // The slider follows the mixer line of the current kind (someone else may
    // have moved it); the window polls this.
    void sliderFromMixer();

    // After the rows or the current row changed.
    std::function<void()> onRowsChanged;

private:
    std::int64_t measure(const std::string& path, const std::string& kind, bool& readable);
    int findRow(const std::string& path) const;
    void removeRow(int r);
    void setSlider(int value);
    void changed();

    MusicDevices& devices_;
    audio::clsVolume& volume_;
    MusicView& view_;
    MessageService& messages_;
    FileDialogService& dialogs_;
    Preferences& prefs_;
    std::vector<SongRow> rows_;
    // The rows as the list file held them at start: what another run of the
    // program may have changed since is merged with this run's changes.
    std::optional<std::vector<ListRow>> loaded_;
    int current_ = 0;
    int highlighted_ = 0;
    CurrentSong cancion_;
    bool quietSlider_ = false;
};

// The MIDI files a first run lists, with the length each one has.
struct DefaultSong {
    const char* file;
    const char* duration;
};
inline constexpr DefaultSong kDefaultSongs[] = {
    {"Amanecer.mid", "04:45"},
    {"Bosque.mid", "04:08"},
    {"Marea.mid", "02:57"},
    {"Nubes.mid", "05:14"},
};

} // namespace vs::library
