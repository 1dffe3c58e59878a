// SPDX-License-Identifier: GPL-3.0-or-later
// Process start to main window shown (first paint), over repeated cold-ish
// starts of the real program. Uses the display in $DISPLAY when there is one
// (run under xvfb-run for a real X server), else the offscreen platform.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

static long long nowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    const char* program = argc > 2 ? argv[2] : VS_PROGRAM;
    char confTemplate[] = "/tmp/vs-bench-XXXXXX";
    std::string conf = mkdtemp(confTemplate);
    setenv("XDG_CONFIG_HOME", conf.c_str(), 1);
    // A runtime folder of its own: a program the user runs would take the start over.
    setenv("XDG_RUNTIME_DIR", conf.c_str(), 1);
    setenv("VS_REPORT_SHOWN", "1", 1);
    setenv("SDL_AUDIODRIVER", getenv("SDL_AUDIODRIVER") ? getenv("SDL_AUDIODRIVER") : "dummy", 1);
    if (!getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);

    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        int fds[2];
        if (pipe(fds) != 0) return 1;
        long long start = nowNs();
        pid_t pid = fork();
        if (pid == 0) {
            dup2(fds[1], 1);
            close(fds[0]);
            execl(program, program, static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        char buf[256] = {};
        std::string out;
        ssize_t n;
        while ((n = read(fds[0], buf, sizeof buf - 1)) > 0)
            out.append(buf, n);
        close(fds[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        auto pos = out.find("shown ");
        if (pos == std::string::npos) {
            std::fprintf(stderr, "run %d: no report (status %d)\n", i, status);
            continue;
        }
        long long shown = std::atoll(out.c_str() + pos + 6);
        ms.push_back((shown - start) / 1e6);
    }
    if (ms.empty()) return 1;
    std::sort(ms.begin(), ms.end());
    std::printf("start-up to window shown over %zu runs (%s): min %.1f ms, median %.1f ms, "
                "p90 %.1f ms, max %.1f ms\n",
                ms.size(), getenv("DISPLAY") ? "X display" : "offscreen", ms.front(),
                ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.back());
    std::string cleanup = "rm -rf '" + conf + "'";
    return std::system(cleanup.c_str()) == 0 ? 0 : 0;
}
