// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A disk that fills up: files are real (so what was written can be looked
// for afterwards), but every write past the first `room` bytes of all files
// together fails as a full disk does.
#include "playback/audio_file_writer.h"

#include <cstdio>
#include <memory>
#include <string>

namespace vs::test {

class FillingDisk {
public:
    explicit FillingDisk(std::int64_t room) : room_(room) {}

    playback::ByteFileOpener opener() {
        return [this](const std::string& path, std::string& error) {
            auto inner = playback::diskFiles()(path, error);
            std::unique_ptr<playback::ByteFile> f;
            if (inner) f = std::make_unique<File>(std::move(inner), *this);
            return f;
        };
    }
    int failedWrites = 0;

private:
    class File : public playback::ByteFile {
    public:
        File(std::unique_ptr<playback::ByteFile> inner, FillingDisk& disk)
            : inner_(std::move(inner)), disk_(disk) {}
        std::int64_t length() override { return inner_->length(); }
        std::int64_t seek(std::int64_t o, int w) override { return inner_->seek(o, w); }
        std::int64_t read(void* d, std::int64_t n) override { return inner_->read(d, n); }
        std::int64_t write(const void* d, std::int64_t n) override {
            const std::int64_t fits = std::min(n, disk_.room_);
            const std::int64_t done = fits > 0 ? inner_->write(d, fits) : 0;
            disk_.room_ -= done;
            if (done < n) {
                ++disk_.failedWrites;
                full_ = true;
            }
            return done;
        }
        std::int64_t tell() override { return inner_->tell(); }
        bool close() override { return inner_->close() && !full_; }
        std::string errorText() const override {
            return full_ ? "no queda espacio en el disco" : inner_->errorText();
        }

    private:
        std::unique_ptr<playback::ByteFile> inner_;
        FillingDisk& disk_;
        bool full_ = false;
    };
    std::int64_t room_;
};

} // namespace vs::test
