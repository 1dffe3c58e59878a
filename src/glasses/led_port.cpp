// SPDX-License-Identifier: GPL-3.0-or-later
#include "led_port.h"

#include "crash_darkening.h"

#include "base/interface_language.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <linux/ppdev.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace vs::glasses {

const char* const kSinSenal = VS_TRANSLATE_NOOP("LedPort", "; las gafas no recibirán señal.");

namespace {

std::string hex(std::uint16_t address) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(address));
    return buf;
}

// Runs inside a signal handler: one system call, nothing else.
void writeZero(int fd) {
    unsigned char zero = 0;
    ::ioctl(fd, PPWDATA, &zero);
}

} // namespace

std::string motivoFallo(const DeviceKind& kind, const std::string& device, int err) {
    const std::string nombre = translate("LedPort", kind.name);
    const std::string sinSenal = translate("LedPort", kSinSenal);
    if (err == EACCES || err == EPERM)
        return withArgs(translate("LedPort",
                                  "No hay permiso para usar el %1 %2: el usuario debe pertenecer "
                                  "al grupo «%3» (hay que volver a iniciar la sesión después de "
                                  "añadirlo)"),
                        {nombre, device, kind.group}) +
               sinSenal;
    if (err == ENOENT || err == ENODEV || err == ENXIO)
        return withArgs(
                   translate("LedPort", "No existe el %1 %2 (%3)"),
                   {translate("LedPort", kind.missing), device, translate("LedPort", kind.hint)}) +
               sinSenal;
    if (err == EBUSY)
        return withArgs(translate("LedPort", "El %1 %2 está ocupado por otro programa"),
                        {nombre, device}) +
               sinSenal;
    return withArgs(translate("LedPort", "No se puede usar el %1 %2: %3"),
                    {nombre, device, std::strerror(err)}) +
           sinSenal;
}

std::string motivoFallo(const std::string& device, int err) {
    return motivoFallo({VS_TRANSLATE_NOOP("LedPort", "puerto paralelo"), "lp",
                        VS_TRANSLATE_NOOP("LedPort", "dispositivo"),
                        VS_TRANSLATE_NOOP("LedPort", "¿está cargado el módulo «ppdev»?")},
                       device, err);
}

ParportLedPort::ParportLedPort(std::string procRoot, std::string devRoot)
    : procRoot_(std::move(procRoot)), devRoot_(std::move(devRoot)) {}

ParportLedPort::~ParportLedPort() {
    cerrar();
}

std::string ParportLedPort::dispositivoPara(std::uint16_t address) const {
    std::error_code ec;
    const fs::path folder = fs::path(procRoot_) / "sys/dev/parport";
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.is_directory(ec)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    for (const auto& name : names) {
        std::ifstream in(folder / name / "base-addr");
        long base = -1;
        if (in >> base && base == address) return (fs::path(devRoot_) / name).string();
    }
    return {};
}

void ParportLedPort::cerrar() {
    if (fd_ >= 0) {
        disarmCrashDarkening(fd_);
        ::ioctl(fd_, PPRELEASE);
        ::close(fd_);
    }
    fd_ = -1;
}

bool ParportLedPort::preparar(std::uint16_t address) {
    if (tried_ && address == address_) return fd_ >= 0;
    cerrar();
    tried_ = true;
    address_ = address;
    problema_.clear();
    if (address == 0) {
        problema_ = translate("LedPort", "No se ha elegido una dirección de puerto paralelo "
                                         "válida (378, 278 o 3BC)") +
                    translate("LedPort", kSinSenal);
        return false;
    }
    const std::string device = dispositivoPara(address);
    if (device.empty()) {
        problema_ = translate("LedPort", "No hay ningún puerto paralelo en la dirección ") +
                    hex(address) + translate("LedPort", kSinSenal);
        return false;
    }
    int fd = ::open(device.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        problema_ = motivoFallo(device, errno);
        return false;
    }
    // Claimed once and held: claiming around every write would cost two more
    // system calls per LED step.
    if (::ioctl(fd, PPCLAIM) != 0) {
        problema_ = motivoFallo(device, errno);
        ::close(fd);
        return false;
    }
    fd_ = fd;
    armCrashDarkening(fd_, writeZero);
    return true;
}

void ParportLedPort::Out32(std::uint16_t port, std::uint16_t value) {
    if (!preparar(port)) return;
    unsigned char byte = static_cast<unsigned char>(value & 0xFF);
    ::ioctl(fd_, PPWDATA, &byte);
}

std::uint16_t ParportLedPort::Inp32(std::uint16_t port) {
    if (!preparar(port)) return 0;
    unsigned char byte = 0;
    if (::ioctl(fd_, PPRDATA, &byte) != 0) return 0;
    return byte;
}

} // namespace vs::glasses
