// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sessions the renderer is given: session files, the schedules of other
// programs (.sbg, .gnaural) through their importers, or either on standard
// input, told apart there by how they begin.
//
// Thread rule: the UI (main) thread; it may use the program's random source.
#include "session/session_model.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <variant>

namespace vs::render {

struct SessionInput {
    session::SessionModel model;
    std::optional<int> maskLevel; // the noise of an imported schedule, 0..100
    std::string notes;            // what an import could not carry; empty for a session file
};

// The session in `path` ("-": read from `in`), or why it cannot be rendered
// (Spanish, naming the file and, for a schedule, the line).
std::variant<SessionInput, std::string> readSessionInput(const std::string& path, std::istream& in);

} // namespace vs::render
