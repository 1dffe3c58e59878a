// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Session files handed to the program when it starts: a file manager opens a
// .vso with it (the desktop entry passes the files as plain paths). These are
// the program's only arguments; anything else on the command line is ignored.
#include <string>
#include <vector>

namespace vs::shell {

// The arguments after the program's name that name existing session files,
// made absolute (the library keeps them), in order, each once.
std::vector<std::string> sessionFilesFromArguments(const std::vector<std::string>& arguments);

} // namespace vs::shell
