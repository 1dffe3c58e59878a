// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_library.h"

#include "base/interface_language.h"
#include "base/paths.h"
#include "base/preferences.h"
#include "base/services.h"
#include "library_keys.h"
#include "list_file.h"
#include "session/session_document.h"
#include "session/session_model.h"

#include <algorithm>

namespace vs::library {

namespace {

// Row 1 is never written to the list, so its name may follow the interface.
const char* kNuevaSesion = VS_TRANSLATE_NOOP("SessionLibrary", "Nueva Sesión");

std::string withVso(std::string path) {
    if (path.size() < 4 || path.compare(path.size() - 4, 4, ".vso") != 0) path += ".vso";
    return path;
}

std::string twoDigits(int n) {
    return n < 10 && n >= 0 ? "0" + std::to_string(n) : std::to_string(n);
}

// A default session as shipped: beside the program, or (an installed program,
// whose own folder is read-only) in the shared data folder.
std::string shippedFile(const std::string& name) {
    for (const std::string& folder : {programFolder(), dataFolder()}) {
        const std::string p = joinPath(folder, name);
        if (fileExists(p)) return p;
    }
    return {};
}

} // namespace

SessionLibrary::SessionLibrary(session::SessionDocument& document, MessageService& messages,
                               FileDialogService& dialogs, Preferences& prefs)
    : document_(document), messages_(messages), dialogs_(dialogs), prefs_(prefs) {
    rows_.push_back({"", translate("SessionLibrary", kNuevaSesion), "01:00"});
    // The questions about the open session name it as this list does.
    document_.setNameSource([this] {
        return highlighted_ >= 1 && highlighted_ <= rowCount() ? row(highlighted_).name
                                                               : std::string();
    });
    document_.setSaveCommands([this] { return save(false); }, [this] { return save(true); });
}

std::string SessionLibrary::listFile() const {
    return joinPath(programFolder(), kSessionListName);
}

void SessionLibrary::setCurrentRow(int r) {
    if (r < 1 || r > rowCount() || r == current_) return;
    current_ = r;
    changed();
}

void SessionLibrary::cargarLista() {
    if (prefs_.getInt(pref::InicioSesiones) == 0) {
        std::vector<ListRow> defaults;
        for (const auto& d : kDefaultSessions) {
            const std::string path = shippedFile(d.file);
            if (!path.empty()) defaults.push_back({path, d.file, d.duration});
        }
        // Only a list that reached the disk counts as written: otherwise the
        // next start tries again.
        if (writeListFile(listFile(), defaults)) prefs_.save(pref::InicioSesiones, "1");
    }
    const bool rebuild = prefs_.getInt(pref::Setup) == 0;
    loaded_ = loadListRows(listFile(), 1, messages_);
    for (const ListRow& cells : *loaded_) {
        SessionRow r{cells[0], cells[1], cells[2]};
        // Until the first orderly exit the list may come from another machine:
        // its sessions are looked for beside the program. A path that does
        // exist is kept, so the shipped sessions of an installed program stay
        // where they really are.
        if (rebuild && !r.name.empty()) {
            const std::string beside = joinPath(programFolder(), r.name);
            if (fileExists(beside) || !fileExists(r.path)) r.path = beside;
        }
        rows_.push_back(std::move(r));
    }
    changed();
}

bool SessionLibrary::guardarLista() const {
    std::vector<ListRow> out;
    for (int r = 2; r <= rowCount(); ++r)
        out.push_back({row(r).path, row(r).name, row(r).duration});
    return writeMergedListFile(listFile(), loaded_, out);
}

void SessionLibrary::activar() {
    document_.setModified(false);
    if (current_ == 1) {
        document_.nueva();
        // A new session of another length than the one shown rewrites the
        // length label, which marks it modified: the next change asks.
        if (onSessionReplaced) onSessionReplaced();
    } else if (current_ >= 2) {
        const std::string path = row(current_).path;
        if (!fileExists(path)) {
            current_ = 1;
            activar();
            return;
        }
        document_.abrir(path);
        // The read decided what is modified (a failed read is); the label it
        // rewrites only reports the length the file holds.
        const bool modified = document_.modified();
        if (onSessionReplaced) onSessionReplaced();
        document_.setModified(modified);
    }
    highlight(current_);
}

void SessionLibrary::pulsar(int pressedRow) {
    if (pressedRow < 1 || pressedRow > rowCount()) return;
    current_ = pressedRow;
    if (document_.modified() && highlighted_ >= 1) {
        const int shown = highlighted_;
        const bool yes = messages_.askYesNo(session::saveQuestion(row(shown).name));
        current_ = shown;
        if (yes) {
            if (save(false) != session::SaveResult::Saved) {
                // Nothing was written: stay on the edited session rather
                // than drop the edits by opening another one.
                highlight(current_);
                changed();
                return;
            }
            if (shown == 1) {
                // The new session was appended as the last row: it stays open.
                current_ = rowCount();
                activar();
                changed();
                return;
            }
        } else {
            activar(); // reopens its file: the edits are dropped
        }
        current_ = std::min(pressedRow, rowCount());
    }
    activar();
    changed();
}

session::SaveResult SessionLibrary::save(bool elsewhere) {
    if (elsewhere) saveAs_ = true;
    std::string path;
    const bool asks = current_ == 1 || saveAs_;
    int n = 0;
    if (!asks) {
        path = row(current_).path;
    } else {
        saveAs_ = false;
        n = prefs_.getInt(pref::NumeroSesion);
        path = dialogs_.saveFile(translate("SessionLibrary", "Guardar Sesión"),
                                 joinPath(programFolder(), "Sesion " + twoDigits(n) + ".vso"),
                                 {{translate("SessionLibrary", "Ficheros de Sesión"), {"*.vso"}}});
        if (path.empty()) return session::SaveResult::Cancelled;
        path = withVso(path);
    }
    // The file first: the list changes only for a session that reached the disk.
    const std::string before = document_.file();
    document_.setFile(path);
    const session::SaveResult result = document_.guardar();
    if (result != session::SaveResult::Saved) {
        document_.setFile(before);
        return result;
    }
    if (asks) {
        if (rowCount() > 2) {
            const int at = findRow(path, 1);
            if (at >= 1) {
                highlighted_ = 0;
                removeRow(at);
            }
        }
        appendRow({path, fileName(path), durationText()});
        current_ = rowCount();
        prefs_.save(pref::NumeroSesion, std::to_string(n + 1));
    }
    highlight(current_);
    document_.setModified(false);
    changed();
    return session::SaveResult::Saved;
}

bool SessionLibrary::guardar() {
    return save(false) == session::SaveResult::Saved;
}

bool SessionLibrary::guardarComo() {
    return save(true) == session::SaveResult::Saved;
}

void SessionLibrary::anadir() {
    const std::string path =
        dialogs_.openFile(translate("SessionLibrary", "Añadir Sesión"), programFolder(),
                          {{translate("SessionLibrary", "Ficheros de sesión"), {"*.vso"}}});
    if (!path.empty()) anadirFichero(path);
}

bool SessionLibrary::offerSave() {
    return !document_.modified() || highlighted_ < 1 ||
           !messages_.askYesNo(session::saveQuestion(row(highlighted_).name)) ||
           save(false) == session::SaveResult::Saved;
}

void SessionLibrary::anadirFichero(const std::string& path) {
    // Adding opens the file in place of the open session: unsaved edits are
    // offered a save first, as when another row is chosen.
    if (!offerSave()) return;
    for (int at = findRow(path, 2); at >= 1; at = findRow(path, 2))
        removeRow(at);
    appendRow({path, fileName(path), ""});
    current_ = rowCount();
    // Activating reads the file once; reading it first as well would report
    // a damaged file twice.
    activar();
    if (current_ == rowCount()) rows_.back().duration = durationText();
    document_.setModified(false);
    changed();
}

void SessionLibrary::nueva() {
    if (onStop) onStop();
    if (document_.modified()) {
        if (messages_.askPlainYesNo(translate("SessionLibrary", "Guardar la sesión modificada?")) &&
            save(false) != session::SaveResult::Saved)
            return;
    }
    document_.setModified(false);
    current_ = 1;
    activar();
    changed();
}

bool SessionLibrary::openImported(const session::SessionModel& session) {
    if (onStop) onStop();
    if (!offerSave()) return false;
    current_ = 1;
    document_.adopt(session);
    highlight(current_);
    // The length label it rewrites marks the session modified, as it is.
    if (onSessionReplaced) onSessionReplaced();
    rows_.front().duration = durationText();
    changed();
    return true;
}

void SessionLibrary::eliminar() {
    if (current_ <= 1 || current_ > rowCount()) return;
    if (!messages_.askYesNo(
            withArgs(translate("SessionLibrary", "Eliminar: %1?"), {row(current_).name})))
        return;
    if (highlighted_ == current_) highlighted_ = 0;
    removeRow(current_);
    current_ = std::min(current_, rowCount());
    activar();
    changed();
}

void SessionLibrary::duracionCambiada(const std::string& text) {
    if (current_ >= 1 && current_ <= rowCount()) rows_[std::size_t(current_ - 1)].duration = text;
    document_.setModified(true);
    changed();
}

int SessionLibrary::findRow(const std::string& path, int from) const {
    for (int r = std::max(from, 1); r <= rowCount(); ++r)
        if (row(r).path == path && !path.empty()) return r;
    return 0;
}

void SessionLibrary::removeRow(int r) {
    if (r < 2 || r > rowCount()) return; // row 1 stays
    rows_.erase(rows_.begin() + (r - 1));
    if (highlighted_ == r)
        highlighted_ = 0;
    else if (highlighted_ > r)
        --highlighted_;
    if (current_ > r) --current_;
}

void SessionLibrary::appendRow(SessionRow r) {
    rows_.push_back(std::move(r));
}

void SessionLibrary::highlight(int r) {
    highlighted_ = r;
}

void SessionLibrary::changed() {
    if (onRowsChanged) onRowsChanged();
}

std::string SessionLibrary::durationText() const {
    const auto& m = document_.model();
    return session::FormatoTiempo(static_cast<std::int64_t>(m.lengthMs()));
}

} // namespace vs::library
