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

class SessionDocument {
public:
    SessionDocument(SessionModel& model, MessageService& messages, FileDialogService& dialogs);

    SessionModel& model() { return model_; }
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
    // Reads `file` into the model; on a read failure the model holds the
    // default session (marked modified) and the document belongs to no file.
    bool abrir(const std::string& file);
    // Writes the session to its file, asking where first when it has none.
    // False when the user cancels or the write fails (the old file intact,
    // the session still modified).
    bool guardar();
    // "Guardar modificaciones de: <name>?" when modified: Yes saves, No
    // forgets the edits. Asks nothing for an unmodified session.
    void preguntarGuardar();

private:
    SessionModel& model_;
    MessageService& messages_;
    FileDialogService& dialogs_;
    std::string file_;
    std::function<std::string()> nameSource_;
};

// The question asked before a modified session is left.
std::string saveQuestion(const std::string& sessionName);

} // namespace vs::session
