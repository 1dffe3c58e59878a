// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The glasses on a microcontroller board at the end of a USB serial link
// (/dev/ttyACM*, /dev/ttyUSB*): each LED byte goes out as that one raw byte at
// 115200 baud, 8N1, no flow control, so the board can put it on eight pins
// exactly as the parallel port's data lines would show it.
//
// UI thread only. Nothing here waits on the device: it is opened and written
// non-blocking, and a byte the link cannot take at once replaces whatever
// older bytes are still queued (only the newest pattern matters to the eyes).
#include "led_port.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vs::glasses {

class SerialLedPort : public LedPort {
public:
    using Clock = std::chrono::steady_clock;

    explicit SerialLedPort(std::string device);
    ~SerialLedPort() override;
    SerialLedPort(const SerialLedPort&) = delete;
    SerialLedPort& operator=(const SerialLedPort&) = delete;

    // The address is the parallel port's business; the device was chosen by path.
    void Out32(std::uint16_t port, std::uint16_t value) override;
    // The board cannot be read back: the last byte sent (0 before any).
    std::uint16_t Inp32(std::uint16_t port) override;
    std::string problema() const override { return problema_; }

    const std::string& device() const { return device_; }
    bool isOpen() const { return fd_ >= 0; }

    // Raised once each time a device that was working goes away (the board
    // unplugged), with the text for the user.
    std::function<void(const std::string&)> onLost;

    // A device that could not be opened, or went away, is tried again on a
    // write at most this often: a board plugged back in takes over again.
    static constexpr std::chrono::milliseconds kRetry{1000};

private:
    bool abrir();
    void cerrar();
    void perdido(int err);

    std::string device_;
    int fd_ = -1;
    bool tried_ = false;
    Clock::time_point nextTry_{};
    std::uint8_t last_ = 0;
    std::string problema_;
};

// Explains a failed open or write of serial `device` (errno `err`) for the user.
std::string motivoFalloSerie(const std::string& device, int err);

// Where the serial devices are looked for; injectable so tests can add a
// pseudo-terminal or describe a fake /dev.
struct SerialDiscovery {
    std::string devRoot = "/dev";
    std::vector<std::string> extra; // listed as given, after the devices found
};

// The serial devices present: <devRoot>/serial/by-id/* first (names that stay
// the same when the board is plugged into another socket), then the
// ttyACM*/ttyUSB* nodes no by-id name already points at; each group sorted.
std::vector<std::string> dispositivosSerie(const SerialDiscovery& where = {});

} // namespace vs::glasses
