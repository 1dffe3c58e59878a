// SPDX-License-Identifier: GPL-3.0-or-later
// A child with the glasses lit gets the desktop's signals: the first puts
// them out and asks the event loop for an orderly end, the process going on;
// a second ends it at once by that signal; one it was told to ignore stays
// ignored.
#include "shell/exit_signals.h"

#include "pipe_led_port.h"

#include <gtest/gtest.h>

#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Ending {
    std::vector<int> bytes; // what reached the port, and 0x7F for "asked, still running"
    int signal = 0;
    int status = -1;
};

Ending runChild(int sig, bool ignoredBefore) {
    int fds[2];
    EXPECT_EQ(pipe(fds), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        for (int s : {SIGTERM, SIGHUP, SIGINT})
            std::signal(s, SIG_DFL);
        if (ignoredBefore) std::signal(sig, SIG_IGN);
        vs::glasses::installCrashDarkening();
        vs::shell::installExitSignals();
        auto* port = new vs::glasses::PipeLedPort(fds[1]); // the end is abrupt
        port->Out32(0x378, 0xA5);
        kill(getpid(), sig);
        pollfd p{vs::shell::exitSignalFd(), POLLIN, 0};
        const bool asked = poll(&p, 1, 0) == 1 && vs::shell::exitSignalReceived() == sig;
        if (asked) port->Out32(0x378, 0x7F);
        if (ignoredBefore) _exit(asked ? 1 : 0);
        kill(getpid(), sig); // the second
        _exit(2);            // not reached
    }
    close(fds[1]);
    Ending out;
    unsigned char b;
    while (read(fds[0], &b, 1) == 1)
        out.bytes.push_back(b);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFSIGNALED(status)) out.signal = WTERMSIG(status);
    if (WIFEXITED(status)) out.status = WEXITSTATUS(status);
    return out;
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
