// SPDX-License-Identifier: GPL-3.0-or-later
#include "exit_signals.h"

#include "glasses/crash_darkening.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace vs::shell {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
constexpr int kCount = sizeof kSignals / sizeof kSignals[0];
struct sigaction previous[kCount];
int wake[2] = {-1, -1};
std::atomic<int> received{0};
static_assert(std::atomic<int>::is_always_lock_free);

void onExitSignal(int sig) {
    glasses::darkenArmedPort();
    int none = 0;
    if (received.compare_exchange_strong(none, sig)) {
        const int saved = errno;
        const char byte = static_cast<char>(sig);
        (void)!::write(wake[1], &byte, 1);
        errno = saved;
        return;
    }
    // Asked twice: what would have happened without this handler, now. The
    // signal is blocked while this runs and arrives as soon as it returns.
    for (int i = 0; i < kCount; ++i)
        if (kSignals[i] == sig) sigaction(sig, &previous[i], nullptr);
    raise(sig);
}

} // namespace

void installExitSignals() {
    if (wake[0] >= 0 || ::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction action {};
    action.sa_handler = onExitSignal;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < kCount; ++i) {
        sigaction(kSignals[i], nullptr, &previous[i]);
        if (previous[i].sa_handler != SIG_IGN) sigaction(kSignals[i], &action, nullptr);
    }
}

int exitSignalFd() {
    return wake[0];
}

int exitSignalReceived() {
    return received.load();
}

} // namespace vs::shell
