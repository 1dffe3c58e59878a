// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The glasses' output: the data register of a parallel port. On Linux the
// register is reached through the ppdev device node whose port sits at the
// requested address; when no such node can be opened the program runs without
// glasses output and the port keeps the reason for the user.
#include <cstdint>
#include <string>
#include <vector>

namespace vs::glasses {

class LedPort {
public:
    virtual ~LedPort() = default;
    // Puts the low 8 bits of `value` on the data lines of the port at `port`.
    // Address 0 (no port chosen) and a port that cannot be opened write nothing.
    virtual void Out32(std::uint16_t port, std::uint16_t value) = 0;
    // Reads the data register; 0 when the port cannot be read.
    virtual std::uint16_t Inp32(std::uint16_t port) = 0;
    // Why the last address used cannot be driven (Spanish, for the user); empty
    // when it can, or before any use.
    virtual std::string problema() const = 0;
    // The serial device that takes the bytes in the parallel port's place
    // ("" for none). A port with no serial side has nothing to switch.
    virtual void useSerialDevice(const std::string& device) { (void)device; }
};

class ParportLedPort : public LedPort {
public:
    // The roots are injectable so tests can describe ports with a fake tree.
    explicit ParportLedPort(std::string procRoot = "/proc", std::string devRoot = "/dev");
    ~ParportLedPort() override;
    ParportLedPort(const ParportLedPort&) = delete;
    ParportLedPort& operator=(const ParportLedPort&) = delete;

    void Out32(std::uint16_t port, std::uint16_t value) override;
    std::uint16_t Inp32(std::uint16_t port) override;
    std::string problema() const override { return problema_; }

    // The device node of the port whose base address is `address`, from
    // <procRoot>/sys/dev/parport/<name>/base-addr (first number, decimal);
    // empty when no port has that address.
    std::string dispositivoPara(std::uint16_t address) const;

private:
    // Opens and claims the port once per address; false when it cannot be driven.
    bool preparar(std::uint16_t address);
    void cerrar();

    std::string procRoot_;
    std::string devRoot_;
    std::uint16_t address_ = 0;
    bool tried_ = false;
    int fd_ = -1;
    std::string problema_;
};

// The program-wide port; the real output (parallel_or_serial_port.h) until
// another is installed (tests).
LedPort& ledPort();
void setLedPort(LedPort* port); // nullptr restores the real one

// Explains a failed open of parallel port `device` (errno `err`) for the user.
std::string motivoFallo(const std::string& device, int err);

// The words a failure message uses for one kind of device.
struct DeviceKind {
    const char* name;    // "puerto paralelo"
    const char* group;   // the group that may use it: "lp"
    const char* missing; // what is missing when there is none: "dispositivo"
    const char* hint;    // why it may be missing
};
std::string motivoFallo(const DeviceKind& kind, const std::string& device, int err);
// Ends every message about a port that cannot be driven.
extern const char* const kSinSenal;

} // namespace vs::glasses
