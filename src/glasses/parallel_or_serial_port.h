// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's glasses output: the parallel port, or a serial board in its
// place when one is chosen ("Puerto Serie"), never both.
//
// UI thread only.
#include "led_port.h"
#include "serial_led_port.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vs::glasses {

class ParallelOrSerialPort : public LedPort {
public:
    using ParallelFactory = std::function<std::unique_ptr<LedPort>()>;
    // `makeParallel` builds the parallel side when it is first needed
    // (default: the ppdev port), so a program on a serial board never opens it.
    explicit ParallelOrSerialPort(ParallelFactory makeParallel = {});
    ~ParallelOrSerialPort() override;

    void Out32(std::uint16_t port, std::uint16_t value) override;
    std::uint16_t Inp32(std::uint16_t port) override;
    std::string problema() const override;
    // "" goes back to the parallel port; a path closes the parallel port and
    // drives that device. Choosing the device already in use keeps it open.
    void useSerialDevice(const std::string& device) override;

    const std::string& serialDevice() const;

    // A serial board that was working went away (raised once per loss).
    std::function<void(const std::string&)> onLost;

private:
    LedPort& actual();

    ParallelFactory makeParallel_;
    std::unique_ptr<LedPort> parallel_;
    std::unique_ptr<SerialLedPort> serial_;
};

// The program-wide output behind ledPort() when no other port is installed.
ParallelOrSerialPort& parallelOrSerialPort();

} // namespace vs::glasses
