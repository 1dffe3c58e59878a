// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What in a session sounds otherwise than the window shows it. The session
// file may hold points outside the graph and maxima outside the ranges the
// options dialog offers; the reader keeps them as they are (stored files may
// rely on it), and a render plays them as they are. What plays then is not
// what the graph draws, and whoever renders it is told so.
//
// Thread rule: any thread; reads the model only.
#include "session/session_model.h"

#include <string>
#include <vector>

namespace vs::session {

// One Spanish line naming what lies outside (the first few points, the
// maxima), or none when the session is as the window can draw it.
std::vector<std::string> drawingNotes(const SessionModel& model);

} // namespace vs::session
