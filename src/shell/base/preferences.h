#pragma once
// Per-user preference store: application -> section -> key -> text value, kept
// in one text file. Section and key names compare without regard to case; a
// missing key reads as the caller's default; nothing is ever deleted.
//
// Every write reloads the file first (another instance may have written it),
// then replaces it atomically, so a crash mid-write never truncates it.
#include <cstdint>
#include <string>
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
    // Returns false when the file could not be written (the value is kept in memory).
    bool save(const std::string& section, const std::string& key, const std::string& value);

    // Numeric reads: the stored text as a whole number (halves to even), or the
    // key's default when it is absent or does not parse as a number in range.
    std::int32_t getInt(const std::string& section, const std::string& key, std::int32_t def) const;
    std::int16_t getInt16(const std::string& section, const std::string& key,
                          std::int16_t def) const;
    // Booleans of check boxes: any non-zero number is true.
    bool getBool(const std::string& section, const std::string& key, bool def) const;

    const std::string& file() const { return file_; }

private:
    struct Entry {
        std::string section, key, value;
    };
    void reloadIfChanged() const;
    bool writeFile() const;
    const Entry* find(const std::string& section, const std::string& key) const;

    std::string file_;
    mutable std::vector<Entry> entries_;
    mutable std::int64_t loadedStamp_ = -1;
};

} // namespace vs
