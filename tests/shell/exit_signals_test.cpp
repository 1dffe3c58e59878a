// SPDX-License-Identifier: GPL-3.0-or-later
// A child with the glasses lit gets the desktop's signals: the first puts
// them out and asks the event loop for an orderly end, the process going on;
// a second ends it at once by that signal; one it was told to ignore stays
// ignored.
#include "shell/exit_signals.h"

#include "pipe_child.h"
#include "pipe_led_port.h"

#include <gtest/gtest.h>

#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using vs::test::Ending;

// 0x7F on the port stands for "asked for an orderly end, still running".
Ending runChild(int sig, bool ignoredBefore) {
    return vs::test::runPipeChild([&](int fd) {
        for (int s : {SIGTERM, SIGHUP, SIGINT})
            std::signal(s, SIG_DFL);
        if (ignoredBefore) std::signal(sig, SIG_IGN);
        vs::glasses::installCrashDarkening();
        vs::shell::installExitSignals();
        auto* port = new vs::glasses::PipeLedPort(fd); // the end is abrupt
        port->Out32(0x378, 0xA5);
        kill(getpid(), sig);
        pollfd p{vs::shell::exitSignalFd(), POLLIN, 0};
        const bool asked = poll(&p, 1, 0) == 1 && vs::shell::exitSignalReceived() == sig;
        if (asked) port->Out32(0x378, 0x7F);
        if (ignoredBefore) _exit(asked ? 1 : 0);
        kill(getpid(), sig); // the second
        _exit(2);            // not reached
    });
}

} // namespace

TEST(ExitSignals, TheFirstAsksForAnOrderlyEndTheSecondEndsAtOnce) {
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) {
        const Ending e = runChild(sig, false);
        // Dark at the first signal, still running, dark again at the second.
        EXPECT_EQ(e.bytes, (std::vector<int>{0xA5, 0, 0x7F, 0, 0})) << strsignal(sig);
        EXPECT_EQ(e.signal, sig) << strsignal(sig);
    }
}

TEST(ExitSignals, ASignalTheProgramWasToldToIgnoreStaysIgnored) {
    const Ending e = runChild(SIGHUP, true);
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.bytes, (std::vector<int>{0xA5}));
}
