// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_document.h"

#include "base/interface_language.h"
#include "base/paths.h"
#include "base/services.h"
#include "session_file.h"
#include "session_model.h"

namespace vs::session {

SessionDocument::SessionDocument(SessionModel& model, MessageService& messages,
                                 FileDialogService& dialogs)
    : model_(model), messages_(messages), dialogs_(dialogs) {}

bool SessionDocument::modified() const {
    return model_.SesionModificada;
}

void SessionDocument::setModified(bool modified) {
    model_.SesionModificada = modified;
    if (!modified && onSaved) onSaved();
}

std::string SessionDocument::name() const {
    std::string n = nameSource_ ? nameSource_() : std::string();
    return n.empty() ? translate("SessionDocument", "Sesión nueva") : n;
}

void SessionDocument::nueva() {
    model_.SesionNueva();
    file_.clear();
    model_.SesionModificada = false;
    model_.notify();
    if (onReplaced) onReplaced();
}

void SessionDocument::adopt(const SessionModel& session) {
    model_ = session; // the listeners stay: they watch this model
    file_.clear();
    model_.SesionModificada = true;
    model_.notify();
    if (onReplaced) onReplaced();
}

bool SessionDocument::abrir(const std::string& file) {
    const bool read = LeerSesion(model_, file);
    file_ = read ? file : std::string();
    if (onReplaced) onReplaced();
    return read;
}

SaveResult SessionDocument::guardar() {
    std::string file = file_;
    if (file.empty()) {
        file = dialogs_.saveFile(translate("SessionDocument", "Guardar Sesión"),
                                 joinPath(programFolder(), "Sesión.vso"),
                                 {{translate("SessionDocument", "Ficheros de Sesión"), {"*.vso"}}});
        if (file.empty()) return SaveResult::Cancelled;
        if (file.size() < 4 || file.compare(file.size() - 4, 4, ".vso") != 0) file += ".vso";
    }
    if (!GuardarSesion(model_, file)) return SaveResult::Failed;
    file_ = file;
    model_.SesionModificada = false;
    if (onSaved) onSaved();
    return SaveResult::Saved;
}

void SessionDocument::setSaveCommands(std::function<SaveResult()> save,
                                      std::function<SaveResult()> saveElsewhere) {
    save_ = std::move(save);
    saveElsewhere_ = std::move(saveElsewhere);
}

bool SessionDocument::preguntarGuardar() {
    if (!model_.SesionModificada) return true;
    const std::string shown = name();
    if (!messages_.askYesNo(saveQuestion(shown))) {
        model_.SesionModificada = false;
        return true;
    }
    const SaveResult first = save_ ? save_() : guardar();
    if (first != SaveResult::Failed) return first == SaveResult::Saved;
    // The write failed (a full disk, a folder that became read-only): the
    // edits exist only in memory, so leaving now would lose them.
    if (!messages_.askYesNo(saveElsewhereQuestion(shown))) return false;
    if (saveElsewhere_) return saveElsewhere_() == SaveResult::Saved;
    const std::string before = file_;
    file_.clear();
    if (guardar() == SaveResult::Saved) return true;
    file_ = before;
    return false;
}

std::string saveQuestion(const std::string& sessionName) {
    return withArgs(translate("SessionDocument", "Guardar modificaciones de: %1?"), {sessionName});
}

std::string saveElsewhereQuestion(const std::string& sessionName) {
    return withArgs(translate("SessionDocument", "No se ha podido guardar %1. ¿Guardarla en otro "
                                                 "lugar? (No: volver a la ventana sin salir)"),
                    {sessionName});
}

} // namespace vs::session
