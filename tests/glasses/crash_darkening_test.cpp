// SPDX-License-Identifier: GPL-3.0-or-later
// A child process lights the glasses through a port stand-in and then ends
// abnormally; the parent reads what reached the port.
#include "glasses/crash_darkening.h"

#include <gtest/gtest.h>
#include "pipe_child.h"
#include "pipe_led_port.h"

#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using vs::test::Ending;

// Runs `end` in a child that has written 0xA5 to the port first.
template <typename End> Ending runChild(bool disarm, End end) {
    return vs::test::runPipeChild([&](int fd) {
        // The program has no other handler for these; a sanitizer build would
        // put its own in place and end the child by exit instead of the signal.
        for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
            std::signal(sig, SIG_DFL);
        vs::glasses::installCrashDarkening();
        {
            auto* port = new vs::glasses::PipeLedPort(fd); // never freed: the end is abrupt
            port->Out32(0x378, 0xA5);
            if (disarm) vs::glasses::disarmCrashDarkening(fd);
        }
        end();
    });
}

} // namespace

TEST(CrashDarkening, AnAbortLeavesThePortDarkAndStillEndsByTheSignal) {
    const Ending e = runChild(false, [] { std::abort(); });
    EXPECT_EQ(e.bytes, (std::vector<int>{0xA5, 0}));
    EXPECT_EQ(e.signal, SIGABRT);
}

TEST(CrashDarkening, ACrashAndATerminationDarkenToo) {
    const Ending segv = runChild(false, [] { raise(SIGSEGV); });
    EXPECT_EQ(segv.bytes, (std::vector<int>{0xA5, 0}));
    EXPECT_EQ(segv.signal, SIGSEGV);
    const Ending term = runChild(false, [] { kill(getpid(), SIGTERM); });
    EXPECT_EQ(term.bytes, (std::vector<int>{0xA5, 0}));
    EXPECT_EQ(term.signal, SIGTERM);
}

TEST(CrashDarkening, AClosedPortIsLeftAlone) {
    const Ending e = runChild(true, [] { std::abort(); });
    EXPECT_EQ(e.bytes, (std::vector<int>{0xA5}));
    EXPECT_EQ(e.signal, SIGABRT);
}
