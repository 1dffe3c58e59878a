// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help menu's "Contenido...": the manual beside the program, opened with
// the desktop's default program.
#include "base/services.h"

#include <string>

namespace vs::shell {

// A compiled help file a user put in the folder wins over the HTML manual we
// ship (no Linux desktop opens .chm files unless someone installed a viewer).
inline constexpr const char* kHelpFiles[] = {"Ayuda_VSO.chm", "Ayuda_VSO.html"};
inline constexpr const char* kNoHelpMessage = "No se encuentra el fichero de ayuda";

// The first help file found in the folder, or "" when there is none.
std::string helpFile(const std::string& folder);

// Opens the help file, or says that there is none.
void AyudaContenido(const std::string& folder, MessageService& messages, DesktopService& desktop);

} // namespace vs::shell
