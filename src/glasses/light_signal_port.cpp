// SPDX-License-Identifier: GPL-3.0-or-later
#include "light_signal_port.h"

#include "audio/engine.h"

namespace vs::glasses {

LightSignalPort::LightSignalPort(LedPort& port, audio::Engine& engine)
    : port_(port), engine_(engine) {
    engine_.setLightByte(0);
}

LightSignalPort::~LightSignalPort() {
    engine_.setLightSignal(false);
}

void LightSignalPort::Out32(std::uint16_t port, std::uint16_t value) {
    port_.Out32(port, value);
    engine_.setLightByte(static_cast<std::uint8_t>(value & 0xFF));
}

void LightSignalPort::setSounding(bool on) {
    engine_.setLightSignal(on);
}

} // namespace vs::glasses
