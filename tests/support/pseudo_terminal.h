// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A pseudo-terminal standing in for a USB serial board: the program opens the
// slave path as it would /dev/ttyACM0, the test reads what arrives at the
// master end, each byte stamped with the time it was read.
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

namespace vs::test {

class PseudoTerminal {
public:
    using Clock = std::chrono::steady_clock;
    struct Arrival {
        Clock::time_point when;
        std::uint8_t byte;
    };

    PseudoTerminal() {
        char name[256] = {};
        if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
        path_ = name;
        ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    }
    ~PseudoTerminal() {
        closeMaster();
        if (slave_ >= 0) ::close(slave_);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool ok() const { return !path_.empty(); }
    const std::string& slavePath() const { return path_; }
    int master() const { return master_; }
    // The board unplugged: every later write at the slave end fails.
    void closeMaster() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

    // Whatever has arrived, waiting up to `wait` for the first byte.
    std::vector<Arrival> read(std::chrono::milliseconds wait = std::chrono::milliseconds(0)) {
        std::vector<Arrival> got;
        if (master_ < 0) return got;
        pollfd p{master_, POLLIN, 0};
        if (::poll(&p, 1, int(wait.count())) <= 0) return got;
        unsigned char buf[4096];
        for (;;) {
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n <= 0) break;
            const auto now = Clock::now();
            for (ssize_t i = 0; i < n; ++i)
                got.push_back({now, buf[i]});
        }
        return got;
    }
    // The bytes that arrive until `expected` have come; the generous wait only
    // guards a loaded machine, the bytes are normally there at once.
    std::vector<int> readBytes(std::size_t expected) {
        std::vector<int> got;
        for (int i = 0; i < 200 && got.size() < expected; ++i) {
            const auto more = bytes(read(std::chrono::milliseconds(50)));
            got.insert(got.end(), more.begin(), more.end());
        }
        return got;
    }
    static std::vector<int> bytes(const std::vector<Arrival>& a) {
        std::vector<int> out;
        for (const auto& x : a)
            out.push_back(x.byte);
        return out;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

} // namespace vs::test
