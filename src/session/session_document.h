// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open session as a document: which file it belongs to, whether it has
// unsaved edits (the model's SesionModificada), saving it and asking to save
// it. The session library builds its open, save and save-as commands on this.
//
// Thread rule: UI thread only (it may show modal questions and dialogs).
#include <functional>
#include <string>

namespace vs {
class FileDialogService;
class MessageService;
} // namespace vs

namespace vs::session {

class SessionModel;

enum class SaveResult { Saved, Cancelled, Failed };

class SessionDocument {
public:
    SessionDocument(SessionModel& model, MessageService& messages, FileDialogService& dialogs);

    SessionModel& model() { return model_; }
    const SessionModel& model() const { return model_; }
    // The file the session was read from or last saved to; "" for a new one.
    const std::string& file() const { return file_; }
    void setFile(std::string file) { file_ = std::move(file); }

    bool modified() const;
    void setModified(bool modified);

    // The name the questions show. Whoever lists sessions (the library) says
    // which name the open one goes by; without one, "Sesión nueva".
    void setNameSource(std::function<std::string()> source) { nameSource_ = std::move(source); }
    std::string name() const;

    // The default session, belonging to no file, unmodified.
    void nueva();
    // `session` in place of the open one, belonging to no file and modified:
    // none of it is on disk yet (a session imported from another program).
    void adopt(const SessionModel& session);
    // Reads `file` into the model; on a read failure the model holds the
    // default session (marked modified) and the document belongs to no file.
    bool abrir(const std::string& file);
    // Writes the session to its file, asking where first when it has none.
    // When the user cancels or the write fails the old file is intact and
    // the session stays modified.
    SaveResult guardar();

    // Whoever lists the sessions may put its own save command in place of
    // guardar() for the questions below (it also updates its list), and its
    // save-elsewhere command for a save that failed.
    void setSaveCommands(std::function<SaveResult()> save,
                         std::function<SaveResult()> saveElsewhere);
    // Before the session is left (the exit): "Guardar modificaciones de:
    // <name>?" when modified. No forgets the edits; Yes saves. When that save
    // fails, the user may save elsewhere or go back to the window, so edits
    // are only dropped by an explicit No. True when leaving may go on.
    bool preguntarGuardar();

    // Told after the session was replaced (new, read, re-read) and whenever
    // the session as it stands becomes the one its file holds (saved, or
    // declared unmodified). The edit history keeps its steps and clean state
    // by them.
    std::function<void()> onReplaced;
    std::function<void()> onSaved;

private:
    SessionModel& model_;
    MessageService& messages_;
    FileDialogService& dialogs_;
    std::string file_;
    std::function<std::string()> nameSource_;
    std::function<SaveResult()> save_;
    std::function<SaveResult()> saveElsewhere_;
};

// The question asked before a modified session is left.
std::string saveQuestion(const std::string& sessionName);
// The offer after the save asked for at exit could not be written.
std::string saveElsewhereQuestion(const std::string& sessionName);

} // namespace vs::session
