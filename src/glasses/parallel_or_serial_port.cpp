// SPDX-License-Identifier: GPL-3.0-or-later
#include "parallel_or_serial_port.h"

namespace vs::glasses {
namespace {

LedPort* installed = nullptr;
const std::string kNinguno;

} // namespace

ParallelOrSerialPort::ParallelOrSerialPort(ParallelFactory makeParallel)
    : makeParallel_(makeParallel ? std::move(makeParallel)
                                 : [] { return std::make_unique<ParportLedPort>(); }) {}

ParallelOrSerialPort::~ParallelOrSerialPort() = default;

LedPort& ParallelOrSerialPort::actual() {
    if (serial_) return *serial_;
    if (!parallel_) parallel_ = makeParallel_();
    return *parallel_;
}

void ParallelOrSerialPort::Out32(std::uint16_t port, std::uint16_t value) {
    actual().Out32(port, value);
}

std::uint16_t ParallelOrSerialPort::Inp32(std::uint16_t port) {
    return actual().Inp32(port);
}

std::string ParallelOrSerialPort::problema() const {
    if (serial_) return serial_->problema();
    return parallel_ ? parallel_->problema() : std::string();
}

void ParallelOrSerialPort::useSerialDevice(const std::string& device) {
    if (device.empty()) {
        serial_.reset();
        return;
    }
    if (serial_ && serial_->device() == device) return;
    // The parallel port is let go (released and closed) before the board is
    // opened: the two never drive lights at once.
    parallel_.reset();
    serial_ = std::make_unique<SerialLedPort>(device);
    serial_->onLost = [this](const std::string& text) {
        if (onLost) onLost(text);
    };
}

const std::string& ParallelOrSerialPort::serialDevice() const {
    return serial_ ? serial_->device() : kNinguno;
}

ParallelOrSerialPort& parallelOrSerialPort() {
    static ParallelOrSerialPort output;
    return output;
}

LedPort& ledPort() {
    return installed ? *installed : parallelOrSerialPort();
}

void setLedPort(LedPort* port) {
    installed = port;
}

} // namespace vs::glasses
