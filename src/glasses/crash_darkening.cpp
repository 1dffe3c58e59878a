// SPDX-License-Identifier: GPL-3.0-or-later
#include "crash_darkening.h"

#include <atomic>
#include <csignal>

namespace vs::glasses {
namespace {

std::atomic<int> armedFd{-1};
std::atomic<DarkenWrite> armedWrite{nullptr};

constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT,
                            SIGTERM, SIGINT, SIGHUP, SIGQUIT};
constexpr int kCount = sizeof kSignals / sizeof kSignals[0];
struct sigaction previous[kCount];

void onSignal(int sig) {
    darkenArmedPort();
    for (int i = 0; i < kCount; ++i)
        if (kSignals[i] == sig) {
            // Give the signal back to its earlier owner (a sanitizer, or the
            // default action), so the exit status and any core dump are as before.
            sigaction(sig, &previous[i], nullptr);
            raise(sig);
            return;
        }
}

} // namespace

void darkenArmedPort() {
    const int fd = armedFd.load();
    const DarkenWrite write = armedWrite.load();
    if (fd >= 0 && write) write(fd);
}

void installCrashDarkening() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // The handler restores the earlier action itself before raising again.
    action.sa_flags = SA_NODEFER;
    for (int i = 0; i < kCount; ++i) {
        sigaction(kSignals[i], &action, &previous[i]);
        // A signal the program was told to ignore (nohup) stays ignored.
        if (previous[i].sa_handler == SIG_IGN) sigaction(kSignals[i], &previous[i], nullptr);
    }
}

void armCrashDarkening(int fd, DarkenWrite write) {
    armedWrite.store(write);
    armedFd.store(fd);
}

void disarmCrashDarkening(int fd) {
    int expected = fd;
    armedFd.compare_exchange_strong(expected, -1);
}

} // namespace vs::glasses
