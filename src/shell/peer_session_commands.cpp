// SPDX-License-Identifier: GPL-3.0-or-later
#include "peer_session_commands.h"

#include "base/interface_language.h"
#include "base/paths.h"
#include "base/services.h"
#include "export_commands.h"
#include "library/session_library.h"
#include "main_window_ui.h"
#include "session/session_import.h"
#include "session/session_model.h"
#include "shell_logic.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QScrollBar>

namespace vs::shell {

PeerSessionCommands::PeerSessionCommands(PeerSessionContext context)
    : QObject(context.owner), c_(std::move(context)) {
    connect(c_.ui->mnuArchivoImportarSesion, &QAction::triggered, this,
            &PeerSessionCommands::importFromDialog);
    connect(c_.ui->mnuSesionExportarSbg, &QAction::triggered, this,
            &PeerSessionCommands::exportSbg);
}

bool PeerSessionCommands::takes(const std::string& path) {
    return session::isImportable(path);
}

std::string PeerSessionCommands::maskNote(int level) {
    return withArgs(tr("El ruido de la sesión suena como máscara: su casilla está marcada y su "
                       "barra en %1.")
                        .toStdString(),
                    {volumeLabel(level)});
}

void PeerSessionCommands::importFromDialog() {
    // "Sesiones de otros programas (*.sbg *.gnaural)", as the dialog shows it.
    const std::string filter = translate("SessionImport", session::kImportFilter);
    const std::string path =
        c_.dialogs->openFile(tr("Importar sesión").toStdString(), QDir::homePath().toStdString(),
                             {{filter.substr(0, filter.find(" (")), {"*.sbg", "*.gnaural"}}});
    if (!path.empty()) importFile(path);
}

void PeerSessionCommands::importFile(const std::string& path) {
    const session::ImportResult result =
        session::importSession(path, {c_.model->FrecBinauralMaxPref, c_.model->FrecBaseMaxPref});
    if (const auto* no = std::get_if<session::ImportRejection>(&result)) {
        c_.messages->critical(withArgs(tr("No se puede importar «%1».\n\n%2").toStdString(),
                                       {fileName(path), no->message()}));
        return;
    }
    const auto& imported = std::get<session::ImportedSession>(result);
    if (!c_.library->openImported(imported.model)) return;
    std::string notes = imported.notes;
    // The schedule's noise is part of what it plays: the mask takes it up,
    // as a box and a bar the user sees and may change.
    if (imported.maskLevel && *imported.maskLevel > 0) {
        c_.ui->scrollVolumenMascara->setValue(*imported.maskLevel);
        c_.ui->chkMascara->setChecked(true);
        notes += (notes.empty() ? "" : "\n\n") + maskNote(*imported.maskLevel);
    }
    if (!notes.empty()) c_.messages->information(notes);
}

void PeerSessionCommands::exportSbg() {
    if (c_.model->lengthSeconds() <= 0) {
        c_.messages->critical(
            tr("La sesión no tiene duración: no hay nada que exportar").toStdString());
        return;
    }
    std::string proposed = ExportCommands::proposedFileName(c_.sessionName());
    proposed.replace(proposed.size() - 4, 4, ".sbg");
    std::string path =
        c_.dialogs->saveFile(tr("Exportar como programa .sbg").toStdString(), proposed,
                             {{tr("Programas .sbg").toStdString(), {"*.sbg"}}});
    if (path.empty()) return;
    if (const std::string name = fileName(path); name.find('.') == std::string::npos)
        path += ".sbg";
    const session::SbgLevels levels{
        c_.ui->chkMascara->isChecked() ? c_.ui->scrollVolumenMascara->value() : 0,
        c_.ui->scrollVolumenBinaural->value()};
    if (!session::writeSbg(*c_.model, levels, path))
        c_.messages->critical(
            withArgs(tr("No se puede escribir el programa en %1").toStdString(), {path}));
}

} // namespace vs::shell
