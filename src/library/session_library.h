// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The session library: the rows of FlexSesion and every command on them
// (choose a row, save, save as, add, new, remove), kept free of widgets so
// each rule runs in a test. Row 1 is always "Nueva Sesión"; the user's
// sessions are rows 2 and up. The grid widget shows what this holds and
// forwards the user's gestures.
//
// Thread rule: UI thread only (it shows modal questions and dialogs).
#include "list_file.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace vs {
class FileDialogService;
class MessageService;
class Preferences;
} // namespace vs

namespace vs::session {
class SessionDocument;
class SessionModel;
enum class SaveResult;
} // namespace vs::session

namespace vs::library {

struct SessionRow {
    std::string path;     // column 0, hidden
    std::string name;     // column 1, "Sesión"
    std::string duration; // column 2, "Duración"
};

class SessionLibrary {
public:
    SessionLibrary(session::SessionDocument& document, MessageService& messages,
                   FileDialogService& dialogs, Preferences& prefs);

    // Rows 1..rowCount(); row 1 is "Nueva Sesión".
    int rowCount() const { return static_cast<int>(rows_.size()); }
    const SessionRow& row(int r) const { return rows_[static_cast<std::size_t>(r - 1)]; }
    int currentRow() const { return current_; }
    int highlightedRow() const { return highlighted_; }
    void setCurrentRow(int r);

    // Where the list is kept and where new sessions and defaults are looked for.
    std::string listFile() const;

    // Start-up: the list file, with the default sessions on a first run.
    void cargarLista();
    // Exit: the list file rewritten whole; false when it could not be
    // written (the old list is then left as it was).
    bool guardarLista() const;

    // The grid's selection: opens the session of the current row.
    void activar();
    // A mouse press that has already moved the grid to `pressedRow`.
    void pulsar(int pressedRow);
    // Menu commands. Saving a session in place of a row (a new one, or
    // "como...") asks for the file, named "Sesion NN" from the counter.
    bool guardar();
    bool guardarComo();
    void anadir();
    void anadirFichero(const std::string& path); // "Añadir Sesión" without the dialog
    void nueva();
    // A session that belongs to no file yet (imported from another program)
    // opens in the "Nueva Sesión" row, modified, once the open one's unsaved
    // edits are offered a save. False when that save failed (nothing changes).
    bool openImported(const session::SessionModel& session);
    void eliminar();
    // The length label of the graph changed to `text`.
    void duracionCambiada(const std::string& text);

    // Before "Nueva" replaces the session: stop playback.
    std::function<void()> onStop;
    // After the open session was replaced or re-read: repaint what shows it.
    std::function<void()> onSessionReplaced;
    // After the rows or the current row changed.
    std::function<void()> onRowsChanged;

private:
    session::SaveResult save(bool elsewhere);
    // Before the open session is left for another: its unsaved edits are
    // offered a save. False when the user said yes and it failed.
    bool offerSave();
    int findRow(const std::string& path, int from) const;
    void removeRow(int r);
    void appendRow(SessionRow row);
    void highlight(int r);
    void changed();
    std::string durationText() const;

    session::SessionDocument& document_;
    MessageService& messages_;
    FileDialogService& dialogs_;
    Preferences& prefs_;
    std::vector<SessionRow> rows_;
    // The rows as the list file held them at start: what another run of the
    // program may have changed since is merged with this run's changes.
    std::optional<std::vector<ListRow>> loaded_;
    int current_ = 1;
    int highlighted_ = 0;
    bool saveAs_ = false;
};

// The sessions a first run lists, with the length each one has.
struct DefaultSession {
    const char* file;
    const char* duration;
};
inline constexpr std::array<DefaultSession, 3> kDefaultSessions = {{
    {"Relajación.vso", "25:00"},
    {"Sueño.vso", "30:00"},
    {"Meditación profunda.vso", "20:00"},
}};

} // namespace vs::library
