// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Leaves the glasses dark when the program ends abnormally: a crash or a
// terminating signal would otherwise leave the last pattern lit on the port,
// flashing nothing but staying on in front of closed eyes.
//
// The handler only reads two atomics and makes one system call through the
// function armed here, so whatever is armed must itself be async-signal-safe.
namespace vs::glasses {

// Writes the all-off byte to `fd`; runs inside a signal handler.
using DarkenWrite = void (*)(int fd);

// Installs the handlers once (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT,
// SIGTERM, SIGINT, SIGHUP, SIGQUIT). Each darkens, then hands the signal to
// whatever handled it before (the default action ends the process as it would
// have). SIGKILL cannot be caught.
void installCrashDarkening();

// The port that is open now; one at a time, the latest wins.
void armCrashDarkening(int fd, DarkenWrite write);
// Forgets `fd` if it is the one armed (the port was closed).
void disarmCrashDarkening(int fd);

// What the handler does, callable directly for tests.
void darkenArmedPort();

} // namespace vs::glasses
