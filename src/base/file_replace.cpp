// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_replace.h"

#include "paths.h"
#include "process_files.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vs {
namespace {

std::string folderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The file a replace would write: what a link points to, not the link
// itself. False when that is no regular file or may not be overwritten.
bool replaceableTarget(const std::string& path, std::string& target, struct stat& st,
                       bool& exists) {
    target = path;
    exists = false;
    if (path.empty()) {
        errno = ENOENT;
        return false;
    }
    if (::lstat(target.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(target.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    }
    if (::stat(target.c_str(), &st) != 0) return true;
    if (!S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    // A rename would quietly replace a file the user has made read-only;
    // the mode bits are checked too because access() says yes to root.
    if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) {
        errno = EACCES;
        return false;
    }
    exists = true;
    return true;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

bool canReplaceFile(const std::string& path) {
    std::string target;
    struct stat st {};
    bool exists = false;
    if (!replaceableTarget(path, target, st, exists)) return false;
    const std::string folder = folderOf(target);
    return ::access(folder.c_str(), W_OK | X_OK) == 0 &&
           (::stat(folder.c_str(), &st) != 0 || (st.st_mode & 0222) != 0);
}

bool replaceFileContents(const std::string& path, std::string_view bytes, Durability durability) {
    std::string target;
    struct stat st {};
    bool exists = false;
    if (!replaceableTarget(path, target, st, exists)) return false;

    static unsigned counter = 0;
    const std::string folder = folderOf(target);
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = replaceTemporaryName(target, ++counter);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;

    if (exists) (void)::fchmod(fd, st.st_mode & 07777);
    bool ok = writeAll(fd, bytes) && (durability == Durability::Scratch || ::fsync(fd) == 0);
    if (::close(fd) != 0) ok = false;
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) ok = false;
    if (!ok) {
        const int why = errno;
        ::unlink(temp.c_str());
        errno = why;
        return false;
    }
    if (durability == Durability::Scratch) return true;
    // Make the rename itself durable; the data is already safe either way.
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
    return true;
}

} // namespace vs
