// SPDX-License-Identifier: GPL-3.0-or-later
#include "music_library.h"

#include "audio/volume.h"
#include "base/interface_language.h"
#include "base/numeric.h"
#include "base/paths.h"
#include "base/preferences.h"
#include "base/services.h"
#include "library_keys.h"
#include "list_file.h"
#include "music_devices.h"
#include "song.h"

#include <algorithm>

namespace vs::library {

namespace {

// The MIDI measuring alias, apart from "midi" of the song that plays, so a
// measurement does not disturb playback.
constexpr const char* kMeasureAlias = "midi1";

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string()
                                      : path.substr(0, std::max<std::size_t>(slash, 1));
}

} // namespace

MusicLibrary::MusicLibrary(MusicDevices& devices, audio::clsVolume& volume, MusicView& view,
                           MessageService& messages, FileDialogService& dialogs, Preferences& prefs)
    : devices_(devices), volume_(volume), view_(view), messages_(messages), dialogs_(dialogs),
      prefs_(prefs) {}

void MusicLibrary::setCurrentRow(int r) {
    if (r < 1 || r > songCount() || r == current_) return;
    current_ = r;
    changed();
}

void MusicLibrary::adoptRows(std::vector<SongRow> rows, int current) {
    rows_ = std::move(rows);
    highlighted_ = 0;
    current_ = 0;
    if (songCount() > 0) {
        current_ = current >= 1 && current <= songCount() ? current : 1;
        clic();
    }
    changed();
}

void MusicLibrary::setDuration(int r, const std::string& text) {
    if (r < 1 || r > songCount()) return;
    rows_[std::size_t(r - 1)].duration = text;
    changed();
}

std::string MusicLibrary::listFile() const {
    return joinPath(programFolder(), kPlaylistName);
}

void MusicLibrary::cargarLista() {
    if (prefs_.getInt(pref::InicioMusica) == 0) {
        std::vector<ListRow> defaults;
        for (const auto& d : kDefaultSongs) {
            const std::string path = joinPath(dataFolder(), d.file);
            if (fileExists(path)) defaults.push_back({path, d.file, d.duration});
        }
        // Only a list that reached the disk counts as written.
        if (writeListFile(listFile(), defaults)) prefs_.save(pref::InicioMusica, "1");
    }
    // Unlike the session list, the paths are taken as written.
    loaded_ = loadListRows(listFile(), 0, messages_);
    for (const ListRow& cells : *loaded_)
        rows_.push_back({cells[0], cells[1], cells[2]});
    changed();
}

void MusicLibrary::iniciar() {
    if (songCount() < 1) return;
    current_ = 1;
    clic();
}

bool MusicLibrary::guardarLista() const {
    std::vector<ListRow> out;
    for (const SongRow& r : rows_)
        out.push_back({r.path, r.name, r.duration});
    return writeMergedListFile(listFile(), loaded_, out);
}

void MusicLibrary::anadir() {
    const std::string start = prefs_.get(pref::InitDir);
    const std::string path =
        dialogs_.openFile(translate("MusicLibrary", "Añadir Canción"),
                          start.empty() ? programFolder() : start, {songFilter()});
    if (path.empty()) return;
    const std::string folder = folderOf(path);
    if (!folder.empty()) prefs_.save(pref::InitDir, folder);
    anadirFichero(path);
}

std::int64_t MusicLibrary::measure(const std::string& path, const std::string& kind,
                                   bool& readable) {
    readable = true;
    if (kind == "mid") {
        const std::int64_t seconds = openMidi(devices_, path, kMeasureAlias);
        // A file the sequencer never opened has no alias to close.
        if (devices_.mci(std::string("close ") + kMeasureAlias, nullptr) != 0) readable = false;
        return seconds;
    }
    if (kind == "mp3") {
        const audio::StreamId stream = devices_.streamCreate(path);
        if (!stream) {
            readable = false;
            return 0;
        }
        const std::int64_t seconds = streamSeconds(devices_, stream);
        devices_.streamFree(stream);
        return seconds;
    }
    if (kind == "cda") {
        const auto ref = parseCdTrackPath(path);
        devices_.cdFree();
        if (!ref || !devices_.cdInit(ref->drive)) {
            messages_.critical(translate("MusicLibrary", "No se puede inicializar el CD"));
            readable = false;
            return 0;
        }
        const auto length = devices_.cdTrackLength(ref->track);
        // No disc or no such track on it: not a song one can play.
        if (!length) {
            readable = false;
            return 0;
        }
        return secondsOfMs(double(length->count()));
    }
    return 0;
}

FileFilter MusicLibrary::songFilter() {
    return {translate("MusicLibrary", "Ficheros musicales (mp3, wav, ogg, mid, cda)"),
            {"*.mp3", "*.wav", "*.ogg", "*.mid", "*.cda"}};
}

bool MusicLibrary::takesFile(const std::string& path) {
    const std::string kind = songKind(path);
    const auto& patterns = songFilter().patterns;
    return path.size() > 4 && path[path.size() - 4] == '.' &&
           std::any_of(patterns.begin(), patterns.end(),
                       [&](const std::string& p) { return songKind(p) == kind; });
}

bool MusicLibrary::anadirFichero(const std::string& path) {
    bool readable = true;
    const std::int64_t seconds = measure(path, songKind(path), readable);
    if (!readable) {
        messages_.critical(translate("MusicLibrary", "No se puede abrir el fichero"));
        return false;
    }
    if (const int at = findRow(path); at >= 1) removeRow(at);
    rows_.push_back({path, fileName(path), textoTiempo(seconds)});
    current_ = songCount();
    clic();
    changed();
    return true;
}

void MusicLibrary::anadirPistasCd(CdTrackChooser& chooser) {
    std::vector<CdTrackChoice> offered;
    for (const std::string& drive : devices_.cdDrives())
        for (const audio::CdTrackInfo& t : devices_.cdTracks(drive)) {
            std::string label =
                withArgs(translate("MusicLibrary", "Pista %1  (%2)"),
                         {std::to_string(t.number), textoTiempo(secondsOfMs(double(t.lengthMs)))});
            offered.push_back({cdTrackPath(drive, t.number), std::move(label)});
        }
    if (offered.empty()) {
        messages_.critical(translate("MusicLibrary", "No hay ningún disco de audio en la unidad"));
        return;
    }
    for (const std::string& path : chooser.choose(offered))
        if (!anadirFichero(path)) break; // one message is enough for a disc that went
}

void MusicLibrary::eliminar() {
    if (songCount() < 1 || current_ < 1) return;
    if (!messages_.askYesNo(
            withArgs(translate("MusicLibrary", "Eliminar: %1?"), {row(current_).name})))
        return;
    if (songCount() >= 2) {
        removeRow(current_);
        current_ = std::min(std::max(current_, 1), songCount());
        clic();
    } else {
        rows_.clear();
        current_ = 0;
        highlighted_ = 0;
    }
    changed();
}

void MusicLibrary::clic() {
    if (songCount() < 1 || current_ < 1) return;
    highlighted_ = current_;
    cancion_.kind = songKind(row(current_).path);
    const std::string& k = cancion_.kind;
    if (k == "mp3" || k == "mid" || k == "cda") {
        const std::int32_t level = k == "mp3"   ? volume_.WaveLevel()
                                   : k == "mid" ? volume_.SynLevel()
                                                : volume_.CDLevel();
        setSlider(toInt32(double(level) * 100.0 / audio::kMixerMax));
    }
    changed();
}

void MusicLibrary::pulsar(int r) {
    if (r < 1 || r > songCount()) return;
    current_ = r;
    clic();
}

void MusicLibrary::scrollVolumenMusicaCambiado(int value) {
    if (quietSlider_) return;
    const std::int32_t level = toInt32(double(audio::kMixerMax) / 100.0 * value);
    const std::string& k = cancion_.kind;
    if (k == "mp3" || k.empty())
        volume_.setWaveLevel(level);
    else if (k == "mid")
        volume_.setSynLevel(level);
    else if (k == "cda")
        volume_.setCDLevel(level);
}

void MusicLibrary::sliderFromMixer() {
    const std::string& k = cancion_.kind;
    std::int32_t level = 0, max = 0;
    if (k == "mp3") {
        level = volume_.WaveLevel();
        max = volume_.WaveMax();
    } else if (k == "mid") {
        level = volume_.SynLevel();
        max = volume_.SynMax();
    } else if (k == "cda") {
        level = volume_.CDLevel();
        max = volume_.CDMax();
    } else {
        return;
    }
    // A line nobody serves has no scale to read the level on.
    if (max <= 0) return;
    setSlider(toInt32(double(level) / double(max) * 100.0));
}

void MusicLibrary::setSlider(int value) {
    // A silent line lies below the slider's lowest mark: the slider shows
    // that mark, and the line stays silent rather than being raised to it.
    if (value < 1) {
        quietSlider_ = true;
        view_.setScrollVolumenMusica(1);
        quietSlider_ = false;
        return;
    }
    view_.setScrollVolumenMusica(std::min(value, 100));
}

int MusicLibrary::findRow(const std::string& path) const {
    for (int r = 1; r <= songCount(); ++r)
        if (row(r).path == path) return r;
    return 0;
}

void MusicLibrary::removeRow(int r) {
    if (r < 1 || r > songCount()) return;
    rows_.erase(rows_.begin() + (r - 1));
    if (highlighted_ == r)
        highlighted_ = 0;
    else if (highlighted_ > r)
        --highlighted_;
    if (current_ > r) --current_;
}

void MusicLibrary::changed() {
    if (onRowsChanged) onRowsChanged();
}

} // namespace vs::library
