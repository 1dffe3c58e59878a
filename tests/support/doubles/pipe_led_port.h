// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Port stand-in for abnormal-end tests: each byte goes down a file descriptor
// (a pipe) that another process reads, and the descriptor is armed for the
// crash darkening as the real port arms its device node.
#include "glasses/crash_darkening.h"
#include "glasses/led_port.h"

#include <unistd.h>

namespace vs::glasses {

class PipeLedPort : public LedPort {
public:
    explicit PipeLedPort(int fd) : fd_(fd) { armCrashDarkening(fd_, &writeZero); }
    ~PipeLedPort() override { disarmCrashDarkening(fd_); }
    void Out32(std::uint16_t, std::uint16_t value) override {
        const unsigned char byte = static_cast<unsigned char>(value & 0xFF);
        [[maybe_unused]] auto n = ::write(fd_, &byte, 1);
    }
    std::uint16_t Inp32(std::uint16_t) override { return 0; }
    std::string problema() const override { return {}; }

private:
    static void writeZero(int fd) {
        const unsigned char zero = 0;
        [[maybe_unused]] auto n = ::write(fd, &zero, 1);
    }
    int fd_;
};

} // namespace vs::glasses
