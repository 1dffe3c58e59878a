// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file that keeps only a digest of what is written: its first bytes as
// they stand at the end (where a header is written again on closing), and a
// running hash of all that follows, written once and in order. So an hour of
// sound can be compared byte for byte without a disk or the memory for it.
#include "playback/audio_file_writer.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace vs::test {

// FNV-1a, 64 bits.
class ByteHash {
public:
    void add(const void* data, std::size_t n) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < n; ++i)
            value_ = (value_ ^ p[i]) * 0x100000001b3ull;
    }
    std::uint64_t value() const { return value_; }

private:
    std::uint64_t value_ = 0xcbf29ce484222325ull;
};

struct Digest {
    static constexpr std::int64_t kHeadBytes = 65536;
    std::vector<unsigned char> head; // the first kHeadBytes, or all of a shorter file
    ByteHash rest;                   // everything after them
    std::int64_t length = 0;
    bool inOrder = true; // nothing past the head written twice or out of order
};

// The opener's files all report into `digest` (one file at a time). Each
// leaves an empty file of its name on disk, for the export to rename.
inline playback::ByteFileOpener digestFiles(Digest& digest) {
    class File : public playback::ByteFile {
    public:
        explicit File(Digest& d) : d_(d) { d_ = Digest{}; }
        std::int64_t length() override { return d_.length; }
        std::int64_t seek(std::int64_t offset, int whence) override {
            const std::int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? at_ : d_.length;
            if (base + offset < 0) return -1;
            return at_ = base + offset;
        }
        std::int64_t read(void*, std::int64_t) override { return 0; }
        std::int64_t write(const void* data, std::int64_t bytes) override {
            const auto* p = static_cast<const unsigned char*>(data);
            std::int64_t n = bytes;
            if (at_ < Digest::kHeadBytes) {
                const std::int64_t inHead = std::min(n, Digest::kHeadBytes - at_);
                if (std::int64_t(d_.head.size()) < at_ + inHead)
                    d_.head.resize(std::size_t(at_ + inHead));
                std::memcpy(d_.head.data() + at_, p, std::size_t(inHead));
                at_ += inHead;
                p += inHead;
                n -= inHead;
            }
            if (n > 0) {
                if (at_ != std::max(d_.length, Digest::kHeadBytes)) d_.inOrder = false;
                d_.rest.add(p, std::size_t(n));
                at_ += n;
            }
            d_.length = std::max(d_.length, at_);
            return bytes;
        }
        std::int64_t tell() override { return at_; }
        bool close() override { return true; }
        std::string errorText() const override { return {}; }

    private:
        Digest& d_;
        std::int64_t at_ = 0;
    };
    return [&digest](const std::string& path, std::string&) -> std::unique_ptr<playback::ByteFile> {
        std::ofstream{path};
        return std::make_unique<File>(digest);
    };
}

} // namespace vs::test
