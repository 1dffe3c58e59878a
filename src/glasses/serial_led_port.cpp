// SPDX-License-Identifier: GPL-3.0-or-later
#include "serial_led_port.h"

#include "crash_darkening.h"

#include "base/interface_language.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace vs::glasses {
namespace {

// Runs inside a signal handler: one system call, nothing else.
void writeZero(int fd) {
    const unsigned char zero = 0;
    [[maybe_unused]] auto n = ::write(fd, &zero, 1);
}

// Raw bytes both ways: no line discipline may turn a 10 into 13 10 or swallow
// a 17 or 19 as flow control, since every value is a pattern of lights.
bool configurar(int fd) {
    termios t{};
    if (::tcgetattr(fd, &t) != 0) return false;
    ::cfmakeraw(&t);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    if (::cfsetispeed(&t, B115200) != 0 || ::cfsetospeed(&t, B115200) != 0) return false;
    return ::tcsetattr(fd, TCSANOW, &t) == 0;
}

// The device is gone rather than busy: a write can never succeed again.
bool desaparecido(int err) {
    return err == EIO || err == ENXIO || err == ENODEV || err == EBADF || err == EPIPE;
}

} // namespace

std::string motivoFalloSerie(const std::string& device, int err) {
    return motivoFallo({VS_TRANSLATE_NOOP("LedPort", "puerto serie"), "dialout",
                        VS_TRANSLATE_NOOP("LedPort", "puerto serie"),
                        VS_TRANSLATE_NOOP("LedPort", "¿está conectada la placa?")},
                       device, err);
}

SerialLedPort::SerialLedPort(std::string device) : device_(std::move(device)) {}

SerialLedPort::~SerialLedPort() {
    cerrar();
}

void SerialLedPort::cerrar() {
    if (fd_ < 0) return;
    disarmCrashDarkening(fd_);
    ::close(fd_);
    fd_ = -1;
}

bool SerialLedPort::abrir() {
    if (fd_ >= 0) return true;
    const auto now = Clock::now();
    if (tried_ && now < nextTry_) return false;
    tried_ = true;
    nextTry_ = now + kRetry;
    // O_NOCTTY: a terminal device must never become the program's controlling
    // terminal, or its hang-up would end the program.
    const int fd = ::open(device_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        problema_ = motivoFalloSerie(device_, errno);
        return false;
    }
    if (!configurar(fd)) {
        problema_ = motivoFalloSerie(device_, errno);
        ::close(fd);
        return false;
    }
    fd_ = fd;
    problema_.clear();
    armCrashDarkening(fd_, writeZero);
    return true;
}

void SerialLedPort::perdido(int err) {
    cerrar();
    problema_ = motivoFalloSerie(device_, err);
    if (desaparecido(err))
        problema_ =
            withArgs(translate("LedPort", "Se ha perdido la conexión con las gafas en el "
                                          "puerto serie %1 (¿se ha desconectado la placa?)"),
                     {device_}) +
            translate("LedPort", kSinSenal);
    nextTry_ = Clock::now() + kRetry;
    if (onLost) onLost(problema_);
}

void SerialLedPort::Out32(std::uint16_t, std::uint16_t value) {
    last_ = static_cast<std::uint8_t>(value & 0xFF);
    if (!abrir()) return;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const ssize_t n = ::write(fd_, &last_, 1);
        if (n == 1) return;
        const int err = n < 0 ? errno : EAGAIN;
        if (err == EINTR) continue;
        if (err == EAGAIN || err == EWOULDBLOCK) {
            // The board is not reading: the queued patterns are stale by now,
            // so drop them and let this one go first.
            ::tcflush(fd_, TCOFLUSH);
            continue;
        }
        perdido(err);
        return;
    }
}

std::uint16_t SerialLedPort::Inp32(std::uint16_t) {
    abrir();
    return last_;
}

std::vector<std::string> dispositivosSerie(const SerialDiscovery& where) {
    std::error_code ec;
    std::vector<std::string> byId;
    std::set<fs::path> covered;
    for (const auto& entry : fs::directory_iterator(fs::path(where.devRoot) / "serial/by-id", ec)) {
        const fs::path target = fs::weakly_canonical(entry.path(), ec);
        if (ec) continue;
        byId.push_back(entry.path().string());
        covered.insert(target);
    }
    std::vector<std::string> nodes;
    for (const auto& entry : fs::directory_iterator(fs::path(where.devRoot), ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("ttyACM", 0) != 0 && name.rfind("ttyUSB", 0) != 0) continue;
        if (covered.count(fs::weakly_canonical(entry.path(), ec))) continue;
        nodes.push_back(entry.path().string());
    }
    std::sort(byId.begin(), byId.end());
    std::sort(nodes.begin(), nodes.end());
    byId.insert(byId.end(), nodes.begin(), nodes.end());
    for (const auto& e : where.extra)
        if (std::find(byId.begin(), byId.end(), e) == byId.end()) byId.push_back(e);
    return byId;
}

} // namespace vs::glasses
