// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening, at start, the session a recovery copy stands for, before the
// copy's curves are put over it.
#include <string>

namespace vs::library {

class SessionLibrary;

// Makes `sessionFile` the open session as a click on its row would: its row
// of the library, added when it is missing and the file is still there;
// "Nueva Sesión" for a new session or a file that is gone.
void abrirSesionDe(SessionLibrary& library, const std::string& sessionFile);

} // namespace vs::library
