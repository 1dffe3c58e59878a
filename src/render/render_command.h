// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// velorin-somnara-render SESION.vso SALIDA.{wav,flac,ogg,mp3}
//                        [--informe INFORME.json] [--sin-musica]
//
// Renders the session as Play sounds it with the program's default source
// boxes and bars, writes the file (complete or not at all), prints a one-line
// verdict and, with --informe, the verification figures as JSON. Exit status
// 0 only when the file is complete; 2 for wrong arguments, a session file
// that cannot be read, an output that cannot be written or an unknown
// format; 1 when the render or the writing failed or was interrupted.
#include <atomic>
#include <iosfwd>
#include <string>
#include <vector>

namespace vs::render {

inline constexpr int kExitComplete = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitBadInput = 2;

// `progressBar`: draw a bar on `err` (a terminal). `cancel` (may be null)
// stops the render, as Ctrl+C does.
int runRenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     bool progressBar, const std::atomic<bool>* cancel = nullptr);

} // namespace vs::render
