// SPDX-License-Identifier: GPL-3.0-or-later
#include "process_files.h"

#include "paths.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace vs {
namespace {

constexpr const char* kTmpEnd = ".tmp";
constexpr const char* kPartial = ".parcial-";
constexpr const char* kScratch = ".instancia-";

// "PID-N" with both parts digits: the PID; 0 otherwise.
pid_t pidOfPair(const std::string& s) {
    const auto dash = s.find('-');
    if (dash == 0 || dash == std::string::npos || dash + 1 == s.size()) return 0;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (i != dash && (s[i] < '0' || s[i] > '9')) return 0;
    if (dash > 9) return 0;
    return static_cast<pid_t>(std::stol(s.substr(0, dash)));
}

pid_t pidOfDigits(const std::string& s) {
    if (s.empty() || s.size() > 9) return 0;
    for (char c : s)
        if (c < '0' || c > '9') return 0;
    return static_cast<pid_t>(std::stol(s));
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// When `pid` started, in seconds since the epoch; 0 when it cannot be said.
double startedAt(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return 0;
    // The command name may hold blanks and parentheses: fields follow the last ')'.
    const auto close = line.rfind(')');
    if (close == std::string::npos) return 0;
    std::istringstream fields(line.substr(close + 1));
    std::string field;
    unsigned long long ticks = 0;
    for (int n = 3; n <= 22 && fields >> field; ++n)
        if (n == 22) ticks = std::stoull(field);
    std::ifstream all("/proc/stat");
    unsigned long long boot = 0;
    while (std::getline(all, line))
        if (line.rfind("btime ", 0) == 0) boot = std::stoull(line.substr(6));
    const long hz = ::sysconf(_SC_CLK_TCK);
    if (boot == 0 || ticks == 0 || hz <= 0) return 0;
    return double(boot) + double(ticks) / double(hz);
}

struct Claim {
    std::mutex lock;
    std::string folder, answer;
    int fd = -1;
};

Claim& claim() {
    static Claim c;
    return c;
}

std::string privateFolderIn(const std::string& folder) {
    return joinPath(folder, kScratch + std::to_string(::getpid()));
}

} // namespace

std::string replaceTemporaryName(const std::string& target, unsigned counter) {
    return joinPath(folderOf(target), "." + fileName(target).substr(0, 200) + "." +
                                          std::to_string(::getpid()) + "-" +
                                          std::to_string(counter) + kTmpEnd);
}

std::string partialTemporaryName(const std::string& target, unsigned counter) {
    return joinPath(folderOf(target), "." + fileName(target) + kPartial +
                                          std::to_string(::getpid()) + "-" +
                                          std::to_string(counter));
}

pid_t temporaryOwner(const std::string& name) {
    if (name.size() < 2 || name[0] != '.') return 0;
    if (name.rfind(kScratch, 0) == 0) return pidOfDigits(name.substr(std::string(kScratch).size()));
    const std::string tmpEnd = kTmpEnd;
    if (name.size() > tmpEnd.size() && name.ends_with(tmpEnd)) {
        const std::string stem = name.substr(0, name.size() - tmpEnd.size());
        const auto dot = stem.rfind('.');
        if (dot != std::string::npos && dot > 0) return pidOfPair(stem.substr(dot + 1));
    }
    const auto partial = name.rfind(kPartial);
    if (partial != std::string::npos && partial > 0)
        return pidOfPair(name.substr(partial + std::string(kPartial).size()));
    return 0;
}

bool processRuns(pid_t pid, const timespec& changed) {
    if (pid <= 0) return false;
    if (::kill(pid, 0) != 0 && errno == ESRCH) return false;
    // The boot time is given in whole seconds; the margin covers it.
    const double started = startedAt(pid);
    return started == 0 || started <= double(changed.tv_sec) + changed.tv_nsec * 1e-9 + 2.0;
}

int removeStaleTemporaries(const std::string& folder) {
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string path = it->path().string();
        const pid_t owner = temporaryOwner(it->path().filename().string());
        struct stat st {};
        if (owner == 0 || ::lstat(path.c_str(), &st) != 0) continue;
        const bool scratch = it->path().filename().string().rfind(kScratch, 0) == 0;
        if (scratch ? !S_ISDIR(st.st_mode) : !S_ISREG(st.st_mode)) continue;
        if (processRuns(owner, st.st_mtim)) continue;
        std::error_code gone;
        if (fs::remove_all(path, gone) > 0 && !gone) ++removed;
    }
    return removed;
}

int removeStaleTemporariesBeside(const std::string& file) {
    return removeStaleTemporaries(folderOf(file));
}

std::string claimScratchFolder(const std::string& folder) {
    Claim& c = claim();
    const std::lock_guard<std::mutex> hold(c.lock);
    if (c.fd >= 0 && c.folder == folder) return c.answer;
    if (c.fd >= 0) ::close(c.fd);
    c.folder = folder;
    c.answer = folder;
    // A lock on the folder itself, which every run opens alike: it goes with
    // the process however that ends, and no file is left to clean up.
    c.fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (c.fd < 0 || ::flock(c.fd, LOCK_EX | LOCK_NB) == 0) return c.answer;
    // A folder that takes no locks is used as before: nothing tells the runs apart.
    if (errno != EWOULDBLOCK) return c.answer;
    const std::string own = privateFolderIn(folder);
    std::error_code ec;
    fs::create_directories(own, ec);
    if (!ec) c.answer = own;
    return c.answer;
}

void releaseScratchFolder(const std::string& scratch) {
    if (fileName(scratch) == kScratch + std::to_string(::getpid())) ::rmdir(scratch.c_str());
}

} // namespace vs
