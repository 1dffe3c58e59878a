// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A forked child that writes bytes down a pipe (a port stand-in) and ends
// however it ends: what the parent read, and how the child ended.
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace vs::test {

struct Ending {
    std::vector<int> bytes;
    int signal = 0;  // the signal that ended it, 0 when none did
    int status = -1; // its exit status when it exited
};

// `body(fd)` runs in the child, `fd` the pipe's write end; the child exits 0
// should body return.
template <typename Body> Ending runPipeChild(Body body) {
    int fds[2];
    if (pipe(fds) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        body(fds[1]);
        _exit(0);
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

} // namespace vs::test
