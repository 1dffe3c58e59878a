// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replacing a file whole, so a failure half-way never leaves a damaged file:
// the bytes go to a temporary file in the same folder, which is renamed over
// the target only once everything is written.
#include <string>
#include <string_view>

namespace vs {

enum class Durability {
    Synced, // flushed to disk before the rename (the user's files)
    Scratch // no flush: files the program rewrites at every start
};

// False (and nothing changed on disk) when the folder is missing or not
// writable, the target is read-only or not a regular file, or any write fails.
// A link is followed: the file it points to is replaced. The target keeps its
// permissions. On false errno says why, for the message that names the file.
bool replaceFileContents(const std::string& path, std::string_view bytes,
                         Durability durability = Durability::Synced);

// Whether replaceFileContents could replace `path` at all: its folder takes
// new files and the file, if it exists, is a writable regular file. A file
// the user (or the installation) made read-only answers false, even to root.
bool canReplaceFile(const std::string& path);

} // namespace vs
