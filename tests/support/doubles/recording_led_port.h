// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Port double: records every write and read, drives nothing.
#include "glasses/led_port.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vs::glasses {

class RecordingLedPort : public LedPort {
public:
    struct Write {
        std::uint16_t port;
        std::uint16_t value;
    };
    std::vector<Write> writes;
    std::vector<std::uint16_t> reads;
    std::string problem; // returned by problema()
    std::uint16_t readValue = 0;

    void Out32(std::uint16_t port, std::uint16_t value) override {
        writes.push_back({port, value});
    }
    std::uint16_t Inp32(std::uint16_t port) override {
        reads.push_back(port);
        return readValue;
    }
    std::string problema() const override { return problem; }
    // The bytes written, in order.
    std::vector<int> bytes() const {
        std::vector<int> out;
        for (const auto& w : writes)
            out.push_back(w.value & 0xFF);
        return out;
    }
};

} // namespace vs::glasses
