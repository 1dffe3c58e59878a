// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"

#include "file_replace.h"
#include "interface_language.h"
#include "numeric.h"
#include "paths.h"
#include "services.h"

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

// Section and key folded to one case-blind lookup key.
std::string indexKey(const std::string& section, const std::string& key) {
    std::string k;
    k.reserve(section.size() + key.size() + 1);
    for (unsigned char c : section)
        k += static_cast<char>(std::tolower(c));
    k += '\0';
    for (unsigned char c : key)
        k += static_cast<char>(std::tolower(c));
    return k;
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
    ++loads_;
    entries_.clear();
    index_.clear();
    std::ifstream in(file_, std::ios::binary);
    std::string line, section;
    bool first = true, validSection = true;
    while (std::getline(in, line)) {
        // An editor may have saved the file with a byte-order mark.
        if (first && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        first = false;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#' || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            // The index joins section and key with a NUL: a name holding one
            // would reach another entry. Its keys belong nowhere either.
            validSection = section.find('\0') == std::string::npos;
            continue;
        }
        auto eq = line.find('=');
        if (eq == std::string::npos || !validSection) continue;
        const std::string key = line.substr(0, eq);
        if (key.find('\0') != std::string::npos) continue;
        put(section, key, unescape(line.substr(eq + 1)));
    }
}

Preferences::Entry* Preferences::find(const std::string& section, const std::string& key) const {
    auto it = index_.find(indexKey(section, key));
    return it == index_.end() ? nullptr : &entries_[it->second];
}

void Preferences::put(const std::string& section, const std::string& key,
                      const std::string& value) const {
    auto [it, added] = index_.try_emplace(indexKey(section, key), entries_.size());
    if (added)
        entries_.push_back({section, key, value});
    else
        entries_[it->second].value = value;
}

std::string Preferences::get(const std::string& section, const std::string& key,
                             const std::string& def) const {
    reloadIfChanged();
    const Entry* e = find(section, key);
    return e ? e->value : def;
}

bool Preferences::save(const std::string& section, const std::string& key,
                       const std::string& value) {
    // Such a name would be dropped by the next read (and meet another entry before).
    if (section.find('\0') != std::string::npos || key.find('\0') != std::string::npos)
        return false;
    reloadIfChanged();
    put(section, key, value);
    bool ok = writeFile();
    loadedStamp_ = stampOf(file_);
    if (!ok && !warned_) {
        // Once per run: every later setting would fail the same way.
        warned_ = true;
        messages().critical(
            withArgs(translate("Preferences", "No se pueden guardar las preferencias en \"%1\". "
                                              "Los cambios de configuración no se conservarán."),
                     {file_}));
    }
    return ok;
}

bool Preferences::writeFile() const {
    std::error_code ec;
    fs::path target(file_);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);

    // Group by section in first-seen order.
    std::vector<std::string> sections;
    std::unordered_map<std::string, std::vector<const Entry*>> bySection;
    for (const auto& e : entries_) {
        auto& list = bySection[indexKey(e.section, {})];
        if (list.empty()) sections.push_back(e.section);
        list.push_back(&e);
    }
    std::ostringstream out;
    for (const auto& s : sections) {
        out << '[' << s << "]\n";
        for (const Entry* e : bySection[indexKey(s, {})])
            out << e->key << '=' << escape(e->value) << '\n';
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

namespace {
template <typename T> T keyDefault(const PreferenceKey& key) {
    return readWhole<T>(key.def ? key.def : "", T{});
}
} // namespace

std::string Preferences::get(const PreferenceKey& key) const {
    return get(key.section, key.name, key.def ? key.def : "");
}
std::int32_t Preferences::getInt(const PreferenceKey& key) const {
    return getInt(key.section, key.name, keyDefault<std::int32_t>(key));
}
std::int16_t Preferences::getInt16(const PreferenceKey& key) const {
    return getInt16(key.section, key.name, keyDefault<std::int16_t>(key));
}
bool Preferences::getBool(const PreferenceKey& key) const {
    return getBool(key.section, key.name, keyDefault<std::int32_t>(key) != 0);
}
bool Preferences::save(const PreferenceKey& key, const std::string& value) {
    return save(key.section, key.name, value);
}

} // namespace vs
