// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lights carried in the sound, as a port: every byte written goes on to
// the port it wraps and becomes the LED byte of an engine's light signal
// (audio/light_signal.h), whichever output takes it. The program wraps the
// glasses' own port in it over its engine; an export wraps a port that
// writes nowhere over its private engine.
//
// Thread rule: the thread that writes the port (the UI thread live); the
// engine takes the byte from any thread.
#include "led_port.h"

namespace vs::audio {
class Engine;
}

namespace vs::glasses {

class LightSignalPort : public LedPort {
public:
    // Both outlive the port. The light signal starts dark.
    LightSignalPort(LedPort& port, audio::Engine& engine);
    // The light signal goes off with it.
    ~LightSignalPort() override;
    LightSignalPort(const LightSignalPort&) = delete;
    LightSignalPort& operator=(const LightSignalPort&) = delete;

    void Out32(std::uint16_t port, std::uint16_t value) override;
    std::uint16_t Inp32(std::uint16_t port) override { return port_.Inp32(port); }
    std::string problema() const override { return port_.problema(); }
    void useSerialDevice(const std::string& device) override { port_.useSerialDevice(device); }

    // Whether the light signal sounds at all.
    void setSounding(bool on);

private:
    LedPort& port_;
    audio::Engine& engine_;
};

} // namespace vs::glasses
