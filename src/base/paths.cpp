// SPDX-License-Identifier: GPL-3.0-or-later
#include "paths.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace vs {
namespace {

const char* kAppName = "Velorin Somnara";
std::optional<std::string> programOverride, dataOverride, configOverride;

std::string xdgHome(const char* var, const char* fallback) {
    const char* v = std::getenv(var);
    if (v && *v && fs::path(v).is_absolute()) return v;
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/" + fallback;
}

bool writable(const std::string& folder) {
    return ::access(folder.c_str(), W_OK) == 0;
}

fs::path installedDataFolder(const std::string& exeFolder) {
    return fs::path(exeFolder).parent_path() / "share" / "velorin-somnara";
}

bool isDirectory(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

} // namespace

std::string executableFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path(ec).string();
    return exe.parent_path().string();
}

std::string userDataFolder() {
    std::string user = xdgHome("XDG_DATA_HOME", ".local/share") + "/" + kAppName;
    std::error_code ec;
    fs::create_directories(user, ec);
    return user;
}

std::string recoveryFolder() {
    return joinPath(programOverride ? *programOverride : userDataFolder(), "Recuperación");
}

std::string programFolderOf(const std::string& exeFolder) {
    // Writing into PREFIX/bin would leave files there that no package owns.
    if (isDirectory(installedDataFolder(exeFolder))) return userDataFolder();
    if (writable(exeFolder)) return exeFolder;
    return userDataFolder();
}

std::string dataFolderOf(const std::string& exeFolder) {
    if (isDirectory(exeFolder + "/data")) return exeFolder + "/data";
    const fs::path installed = installedDataFolder(exeFolder);
    if (isDirectory(installed)) return installed.string();
    return exeFolder;
}

std::string programFolder() {
    if (programOverride) return *programOverride;
    return programFolderOf(executableFolder());
}

std::string dataFolder() {
    if (dataOverride) return *dataOverride;
    return dataFolderOf(executableFolder());
}

std::string translationsFolder() {
    return joinPath(dataFolderOf(executableFolder()), "translations");
}

std::string configFolder() {
    if (configOverride) return *configOverride;
    return xdgHome("XDG_CONFIG_HOME", ".config") + "/" + kAppName;
}

void overrideFolders(const std::string& program, const std::string& data,
                     const std::string& config) {
    programOverride = program;
    dataOverride = data;
    configOverride = config;
}

void clearFolderOverrides() {
    programOverride.reset();
    dataOverride.reset();
    configOverride.reset();
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::string fileName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

} // namespace vs
