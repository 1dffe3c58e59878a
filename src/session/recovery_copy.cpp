// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery_copy.h"

#include "base/file_replace.h"
#include "base/interface_language.h"
#include "base/paths.h"
#include "base/process_files.h"
#include "session_document.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace vs::session {
namespace {

constexpr const char* kMark = "[Recuperación]";
constexpr std::size_t kLongestName = 80;

std::string hex32(std::uint32_t v) {
    char buf[9];
    std::snprintf(buf, sizeof buf, "%08x", v);
    return buf;
}

std::uint32_t fnv1a(const std::string& s) {
    std::uint32_t h = 2166136261u;
    for (unsigned char c : s)
        h = (h ^ c) * 16777619u;
    return h;
}

// A name that is one file name: no folders, no line breaks, not too long
// (cut where no UTF-8 character is split).
std::string safeStem(std::string name) {
    if (name.size() > 4) {
        std::string tail = name.substr(name.size() - 4);
        std::transform(tail.begin(), tail.end(), tail.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        if (tail == ".vso") name.resize(name.size() - 4);
    }
    for (char& c : name)
        if (c == '/' || static_cast<unsigned char>(c) < 0x20) c = '_';
    if (name.size() > kLongestName) {
        std::size_t cut = kLongestName;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut;
        name.resize(cut);
    }
    if (name.empty() || name[0] == '.') name.insert(0, "Sesión");
    return name;
}

// One line of the trailer: what a line break would split is left out.
bool oneLine(const std::string& s) {
    return s.find_first_of("\r\n") == std::string::npos;
}

std::string copyText(const SessionModel& model, const std::string& session,
                     const std::string& name) {
    return sessionText(model, localeDecimalPoint()) + kMark + "\r\n" +
           (oneLine(session) ? session : std::string()) + "\r\n" +
           (oneLine(name) ? name : std::string()) + "\r\n" + std::to_string(::getpid()) + "\r\n";
}

bool modifiedTime(const std::string& path, timespec& out) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    out = st.st_mtim;
    return true;
}

bool newer(const timespec& a, const timespec& b) {
    return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec > b.tv_nsec;
}

} // namespace

std::string recoveryFileFor(const std::string& session, const std::string& name) {
    return joinPath(recoveryFolder(), safeStem(name) + "-" + hex32(fnv1a(session)) + ".vso");
}

bool readRecoveryCopy(const std::string& file, RecoveryCopy& out) {
    std::filebuf in;
    if (!in.open(file, std::ios::in | std::ios::binary)) return false;
    RecoveryCopy copy;
    copy.file = file;
    // Every segment of a copy has its sequence: nothing is drawn at random.
    if (!parseSession(in, copy.data, clockRandom())) return false;
    std::istream rest(&in);
    std::string lines[4];
    for (std::string& line : lines) {
        if (!std::getline(rest, line)) return false;
        if (!line.empty() && line.back() == '\r') line.pop_back();
    }
    if (lines[0] != kMark) return false;
    copy.session = lines[1];
    copy.name = lines[2];
    copy.keeper = std::atoi(lines[3].c_str());
    out = std::move(copy);
    return true;
}

std::vector<RecoveryCopy> recoveryCopiesToOffer() {
    struct Found {
        RecoveryCopy copy;
        timespec changed;
    };
    std::vector<Found> found;
    std::error_code ec;
    for (fs::directory_iterator it(recoveryFolder(), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string path = it->path().string();
        Found f;
        if (it->path().extension() != ".vso" || !modifiedTime(path, f.changed) ||
            !readRecoveryCopy(path, f.copy))
            continue;
        // A run of the program that still edits that session (one that
        // started after the copy was written only has the same id).
        if (processRuns(f.copy.keeper, f.changed)) continue;
        timespec sessionChanged{};
        if (!f.copy.session.empty() && modifiedTime(f.copy.session, sessionChanged) &&
            !newer(f.changed, sessionChanged)) {
            std::remove(path.c_str());
            continue;
        }
        found.push_back(std::move(f));
    }
    std::sort(found.begin(), found.end(),
              [](const Found& a, const Found& b) { return newer(a.changed, b.changed); });
    std::vector<RecoveryCopy> out;
    for (Found& f : found)
        out.push_back(std::move(f.copy));
    return out;
}

std::string recoveryQuestion(const std::string& name) {
    return withArgs(
        translate("RecoveryCopy",
                  "Se ha encontrado una copia de la sesión «%1» sin guardar. ¿Recuperarla?"),
        {name});
}

RecoveryKeeper::RecoveryKeeper(const SessionDocument& document, std::chrono::milliseconds settle,
                               std::chrono::milliseconds longest)
    : document_(document), settle_(settle), longest_(longest) {}

std::string RecoveryKeeper::target() const {
    return recoveryFileFor(document_.file(), document_.name());
}

void RecoveryKeeper::poll(Clock::time_point now) {
    if (!document_.modified()) {
        drop();
        return;
    }
    const std::string to = target();
    // The edits of the session kept so far were saved or dropped.
    if (!written_.empty() && written_ != to) drop();
    const std::string text = copyText(document_.model(), document_.file(), document_.name());
    if (text != seen_) {
        seen_ = text;
        lastChange_ = now;
    }
    if (text == writtenText_) {
        pendingSince_.reset();
        return;
    }
    if (!pendingSince_) pendingSince_ = now;
    if (now - lastChange_ >= settle_ || now - *pendingSince_ >= longest_) write(to, text);
}

bool RecoveryKeeper::keepNow() {
    if (!document_.modified()) {
        drop();
        return true;
    }
    const std::string to = target();
    if (!written_.empty() && written_ != to) drop();
    return write(to, copyText(document_.model(), document_.file(), document_.name()));
}

void RecoveryKeeper::finish() {
    if (!document_.modified()) drop();
}

void RecoveryKeeper::adopt(const std::string& copyFile) {
    written_ = copyFile;
    writtenText_.clear();
}

bool RecoveryKeeper::write(const std::string& to, const std::string& text) {
    std::error_code ec;
    fs::create_directories(fs::path(to).parent_path(), ec);
    if (!replaceFileContents(to, text)) {
        const int why = errno;
        if (!told_ && onWriteFailed) onWriteFailed(to, why);
        told_ = true;
        // Tried again after the next rest, not at every look.
        pendingSince_.reset();
        seen_.clear();
        return false;
    }
    written_ = to;
    writtenText_ = text;
    pendingSince_.reset();
    return true;
}

void RecoveryKeeper::drop() {
    if (!written_.empty()) std::remove(written_.c_str());
    written_.clear();
    writtenText_.clear();
    pendingSince_.reset();
}

} // namespace vs::session
