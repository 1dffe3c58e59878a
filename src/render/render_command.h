// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// velorin-somnara-render [OPCIONES] SESION SALIDA
// velorin-somnara-render [OPCIONES] -d CARPETA SESION...
//
// Renders each session as Play sounds it, writes its file (complete or not at
// all; into standard output front to back), prints one line per file with
// its verdict and, with --informe, the verification figures as JSON. The
// options and their help are in render_options.h. Exit status (the worst of
// the files): 0 complete and verified; 3 written, but the verification found
// a defect; 1 the render or the writing failed or was interrupted; 2 wrong
// arguments, a session that cannot be read or an output that cannot be
// written.
#include "render/render_jobs.h"

#include <atomic>
#include <iosfwd>
#include <string>
#include <vector>

namespace vs::render {

// `in` gives the session named "-"; `out` takes the files' lines, or the WAV
// of the output named "-" (and then nothing else). `progressBar`: draw a bar
// on `err` (a terminal). `cancel` (may be null) stops the renders, as Ctrl+C
// does.
int runRenderCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                     std::ostream& err, bool progressBar,
                     const std::atomic<bool>* cancel = nullptr);

} // namespace vs::render
