// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovered_session.h"

#include "base/paths.h"
#include "session_library.h"

namespace vs::library {

void abrirSesionDe(SessionLibrary& library, const std::string& sessionFile) {
    int row = 1;
    for (int r = 2; r <= library.rowCount() && row == 1 && !sessionFile.empty(); ++r)
        if (library.row(r).path == sessionFile) row = r;
    if (row == 1 && !sessionFile.empty() && fileExists(sessionFile)) {
        library.anadirFichero(sessionFile);
        return;
    }
    // A row whose file has gone opens "Nueva Sesión", as a click on it does.
    library.pulsar(row);
}

} // namespace vs::library
