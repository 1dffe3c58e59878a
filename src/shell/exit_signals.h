// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGTERM, SIGHUP and SIGINT (a desktop's logout, a closed terminal, Ctrl+C)
// ask the program to end in order instead of at once. The handler puts the
// glasses out straight away, as for a crash, and wakes the event loop through
// a pipe; the window then ends without questions. A second such signal, while
// that runs or hangs, ends the process at once (the glasses put out again).
// A signal the program was started to ignore (nohup) stays ignored; the crash
// signals keep their own handler.
namespace vs::shell {

// Once, after the crash darkening is installed (it takes over from it).
void installExitSignals();
// Readable once an orderly end was asked for; -1 before installExitSignals().
int exitSignalFd();
// The signal that asked for it; 0 while none has.
int exitSignalReceived();

} // namespace vs::shell
