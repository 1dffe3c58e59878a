// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line renderer; everything but the process's own parts (the
// arguments, the terminal, the standard streams, Ctrl+C) is in render_command.
#include "base/interface_translation.h"
#include "base/paths.h"
#include "render/render_command.h"

#include <atomic>
#include <csignal>
#include <iostream>
#include <unistd.h>

namespace {
std::atomic<bool> g_interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);
} // namespace

int main(int argc, char** argv) {
    // Without SA_RESTART: a session awaited on standard input (a terminal)
    // stops being read at Ctrl+C, instead of until the end of the input.
    struct sigaction stop {};
    stop.sa_handler = [](int) { g_interrupted = true; };
    sigemptyset(&stop.sa_mask);
    for (int signal : {SIGINT, SIGTERM})
        sigaction(signal, &stop, nullptr);
    // A reader of standard output that goes away (a player closed) is a
    // write that fails, told and ended like any other, not a killed process.
    std::signal(SIGPIPE, SIG_IGN);
    vs::installInterfaceTranslation(vs::interfaceLanguage(), vs::translationsFolder());
    const std::vector<std::string> args(argv + 1, argv + argc);
    return vs::render::runRenderCommand(args, std::cin, std::cout, std::cerr,
                                        isatty(STDERR_FILENO) != 0, &g_interrupted);
}
