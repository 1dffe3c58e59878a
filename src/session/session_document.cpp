#include "session_document.h"

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
}

std::string SessionDocument::name() const {
    std::string n = nameSource_ ? nameSource_() : std::string();
    return n.empty() ? "Sesión nueva" : n;
}

void SessionDocument::nueva() {
    model_.SesionNueva();
    file_.clear();
    model_.SesionModificada = false;
    model_.notify();
}

bool SessionDocument::abrir(const std::string& file) {
    if (LeerSesion(model_, file)) {
        file_ = file;
        return true;
    }
    file_.clear();
    return false;
}

bool SessionDocument::guardar() {
    std::string file = file_;
    if (file.empty()) {
        file = dialogs_.saveFile("Guardar Sesión", joinPath(programFolder(), "Sesión.vso"),
                                 {{"Ficheros de Sesión", {"*.vso"}}});
        if (file.empty()) return false;
        if (file.size() < 4 || file.compare(file.size() - 4, 4, ".vso") != 0) file += ".vso";
    }
    if (!GuardarSesion(model_, file)) return false;
    file_ = file;
    model_.SesionModificada = false;
    return true;
}

void SessionDocument::preguntarGuardar() {
    if (!model_.SesionModificada) return;
    if (messages_.askYesNo(saveQuestion(name())))
        guardar();
    else
        model_.SesionModificada = false;
}

std::string saveQuestion(const std::string& sessionName) {
    return "Guardar modificaciones de: " + sessionName + "?";
}

} // namespace vs::session
