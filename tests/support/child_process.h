// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A program a test starts (the real program, or a helper), with its output
// in a log file. Every wait has a limit, and a child still running when the
// test is done with it is killed: a test that fails never hangs.
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace vs::test {

// Generous: CTest runs two at once on a loaded machine.
inline constexpr std::chrono::seconds kChildTimeout{60};

inline bool waitUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds limit = kChildTimeout) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

class Child {
public:
    using Env = std::vector<std::pair<std::string, std::string>>;

    Child(const std::vector<std::string>& argv, const Env& env, std::string log)
        : log_(std::move(log)) {
        pid_ = fork();
        if (pid_ != 0) return;
        // Should the test itself be killed (its time ran out), the child goes with it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int fd = ::open(log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(fd, 1);
        dup2(fd, 2);
        for (const auto& [name, value] : env)
            setenv(name.c_str(), value.c_str(), 1);
        // Whatever the test runner ignores, the child gets the defaults.
        for (int sig : {SIGTERM, SIGHUP, SIGINT, SIGPIPE})
            std::signal(sig, SIG_DFL);
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    ~Child() {
        if (running()) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t pid() const { return pid_; }
    bool running() const { return pid_ > 0 && !ended_; }
    void signal(int sig) const { kill(pid_, sig); }
    // The wait status once it ended; -1 when it did not end in time (it is then killed).
    int waitEnd(std::chrono::milliseconds limit = kChildTimeout) {
        int status = 0;
        const bool ended = waitUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, limit);
        if (!ended) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        ended_ = true;
        return ended ? status : -1;
    }
    std::string output() const {
        std::ifstream in(log_);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

private:
    std::string log_;
    pid_t pid_ = -1;
    bool ended_ = false;
};

// The wait status of a program that ended by itself with `code`.
inline bool exitedWith(int status, int code) {
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == code;
}

} // namespace vs::test
