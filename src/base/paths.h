// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program reads and writes. The "program's folder" is the folder of
// the executable; when it is not writable (an installed program) everything the
// program writes there goes to the per-user data folder instead.
#include <string>

namespace vs {

// Folder holding the executable, without a trailing separator.
std::string executableFolder();
// Folder where the program writes its wave files and list files.
std::string programFolder();
// Folder holding shipped data (default sessions, MIDI files).
std::string dataFolder();
// Per-user configuration folder of this program ($XDG_CONFIG_HOME/Velorin Somnara).
std::string configFolder();
// The interface's compiled translations: "translations" in the shipped data
// of the executable's own installation or build (never a test's override).
std::string translationsFolder();

// The same decisions for an executable in `exeFolder`. A program installed
// under a prefix (its executable in PREFIX/bin, its shipped data in
// PREFIX/share/velorin-somnara) reads that data there and writes into the
// per-user data folder ($XDG_DATA_HOME/Velorin Somnara), even when it could
// write beside itself (run by root, or installed into a prefix the user owns).
std::string programFolderOf(const std::string& exeFolder);
std::string dataFolderOf(const std::string& exeFolder);
// $XDG_DATA_HOME/Velorin Somnara, created on demand.
std::string userDataFolder();
// Where the copies of unsaved sessions are kept: "Recuperación" in the
// per-user data folder (in the program folder while tests override them).
std::string recoveryFolder();

// Tests point every folder at a temporary directory.
void overrideFolders(const std::string& program, const std::string& data,
                     const std::string& config);
void clearFolderOverrides();

std::string joinPath(const std::string& folder, const std::string& name);
// The last part of a path: the file name with its extension.
std::string fileName(const std::string& path);
bool fileExists(const std::string& path);

} // namespace vs
