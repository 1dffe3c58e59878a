#include "preferences.h"

#include "file_replace.h"
#include "numeric.h"
#include "paths.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace vs {
namespace {

bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

// Values may hold any text; line breaks and backslashes are escaped so that one
// entry stays on one line.
std::string escape(const std::string& v) {
    std::string out;
    for (char c : v) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string unescape(const std::string& v) {
    std::string out;
    for (size_t i = 0; i < v.size(); ++i) {
        if (v[i] == '\\' && i + 1 < v.size()) {
            char n = v[++i];
            out += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
        } else {
            out += v[i];
        }
    }
    return out;
}

std::int64_t stampOf(const std::string& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return 0;
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec +
           st.st_size * 7 + static_cast<std::int64_t>(st.st_ino);
}

std::unique_ptr<Preferences>& instancePtr() {
    static std::unique_ptr<Preferences> p;
    return p;
}

} // namespace

Preferences::Preferences(std::string file) : file_(std::move(file)) {}

Preferences& Preferences::instance() {
    auto& p = instancePtr();
    if (!p) p = std::make_unique<Preferences>(joinPath(configFolder(), "preferencias.ini"));
    return *p;
}

void Preferences::setInstanceFile(const std::string& file) {
    instancePtr() = std::make_unique<Preferences>(file);
}

void Preferences::reloadIfChanged() const {
    std::int64_t stamp = stampOf(file_);
    if (stamp == loadedStamp_) return;
    loadedStamp_ = stamp;
    entries_.clear();
    std::ifstream in(file_, std::ios::binary);
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#' || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        Entry e{section, line.substr(0, eq), unescape(line.substr(eq + 1))};
        auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& x) {
            return sameName(x.section, e.section) && sameName(x.key, e.key);
        });
        if (it != entries_.end())
            it->value = e.value;
        else
            entries_.push_back(std::move(e));
    }
}

const Preferences::Entry* Preferences::find(const std::string& section,
                                            const std::string& key) const {
    for (const auto& e : entries_)
        if (sameName(e.section, section) && sameName(e.key, key)) return &e;
    return nullptr;
}

std::string Preferences::get(const std::string& section, const std::string& key,
                             const std::string& def) const {
    reloadIfChanged();
    const Entry* e = find(section, key);
    return e ? e->value : def;
}

bool Preferences::save(const std::string& section, const std::string& key,
                       const std::string& value) {
    reloadIfChanged();
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& x) {
        return sameName(x.section, section) && sameName(x.key, key);
    });
    if (it != entries_.end())
        it->value = value;
    else
        entries_.push_back({section, key, value});
    bool ok = writeFile();
    loadedStamp_ = stampOf(file_);
    return ok;
}

bool Preferences::writeFile() const {
    std::error_code ec;
    fs::path target(file_);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);

    // Group by section in first-seen order.
    std::vector<std::string> sections;
    for (const auto& e : entries_)
        if (std::none_of(sections.begin(), sections.end(),
                         [&](const std::string& s) { return sameName(s, e.section); }))
            sections.push_back(e.section);
    std::ostringstream out;
    for (const auto& s : sections) {
        out << '[' << s << "]\n";
        for (const auto& e : entries_)
            if (sameName(e.section, s)) out << e.key << '=' << escape(e.value) << '\n';
        out << '\n';
    }
    return replaceFileContents(file_, out.str());
}

namespace {

// The stored text as a whole number of type T, or `def` when absent, not a
// number, or out of T's range.
template <typename T> T readWhole(const std::string& text, T def) {
    double v;
    if (!parseNumber(text, v)) return def;
    double r = roundHalfEven(v);
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max()))
        return def;
    return static_cast<T>(r);
}

} // namespace

std::int32_t Preferences::getInt(const std::string& section, const std::string& key,
                                 std::int32_t def) const {
    return readWhole(get(section, key, std::to_string(def)), def);
}

std::int16_t Preferences::getInt16(const std::string& section, const std::string& key,
                                   std::int16_t def) const {
    return readWhole(get(section, key, std::to_string(def)), def);
}

bool Preferences::getBool(const std::string& section, const std::string& key, bool def) const {
    double v;
    if (!parseNumber(get(section, key, def ? "1" : "0"), v)) return def;
    return v != 0.0;
}

} // namespace vs
