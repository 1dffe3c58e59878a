// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Per-user preference store: application -> section -> key -> text value, kept
// in one text file. Section and key names compare without regard to case; a
// missing key reads as the caller's default; nothing is ever deleted.
//
// Every write reloads the file first (another instance may have written it),
// then replaces it atomically, so a crash mid-write never truncates it.
#include "base/preference_key.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace vs {

class Preferences {
public:
    // `file` is the full path of the backing file; its folder is created on first write.
    explicit Preferences(std::string file);

    // The store of the running program, in the configuration folder.
    static Preferences& instance();
    // Tests point the program-wide store at another file.
    static void setInstanceFile(const std::string& file);

    std::string get(const std::string& section, const std::string& key,
                    const std::string& def) const;
    // Returns false when the file could not be written (the value is kept in
    // memory). The first such failure of a store is shown to the user once.
    bool save(const std::string& section, const std::string& key, const std::string& value);

    // Numeric reads: the stored text as a whole number (halves to even), or the
    // key's default when it is absent or does not parse as a number in range.
    std::int32_t getInt(const std::string& section, const std::string& key, std::int32_t def) const;
    std::int16_t getInt16(const std::string& section, const std::string& key,
                          std::int16_t def) const;
    // Booleans of check boxes: any non-zero number is true.
    bool getBool(const std::string& section, const std::string& key, bool def) const;

    // The same reads and writes by a declared key; an absent key reads as the
    // key's own default.
    std::string get(const PreferenceKey& key) const;
    std::int32_t getInt(const PreferenceKey& key) const;
    std::int16_t getInt16(const PreferenceKey& key) const;
    bool getBool(const PreferenceKey& key) const;
    bool save(const PreferenceKey& key, const std::string& value);

    const std::string& file() const { return file_; }
    // How often the file has been read and parsed (it is only when it changed).
    int loads() const { return loads_; }

private:
    struct Entry {
        std::string section, key, value;
    };
    void reloadIfChanged() const;
    bool writeFile() const;
    Entry* find(const std::string& section, const std::string& key) const;
    void put(const std::string& section, const std::string& key, const std::string& value) const;

    std::string file_;
    // Entries in first-seen order (the file keeps it); the index makes a
    // lookup, and so a whole load, linear in the file's size.
    mutable std::vector<Entry> entries_;
    mutable std::unordered_map<std::string, std::size_t> index_;
    mutable std::int64_t loadedStamp_ = -1;
    mutable int loads_ = 0;
    bool warned_ = false;
};

} // namespace vs
