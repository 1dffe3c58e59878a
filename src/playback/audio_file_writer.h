// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing rendered sound to a file through libsndfile: WAV and FLAC as 16-bit
// PCM, Ogg Vorbis, MP3. The bytes go through a narrow file seam, so a disk
// that fills up can be played in tests; the export writes a temporary file
// beside the target and renames it only once the last block and the header
// are down, so a cancelled or failed export leaves nothing behind.
//
// Thread rule: one thread at a time per writer, any thread.
#include "playback/session_render.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vs::playback {

enum class AudioFormat { Wav, Flac, Ogg, Mp3 };

// The format a file name asks for by its extension (any case); none for others.
std::optional<AudioFormat> formatForPath(const std::string& path);
const char* extensionOf(AudioFormat format); // "wav", "flac", "ogg", "mp3"

// The bytes of one open file, as libsndfile asks for them.
class ByteFile {
public:
    virtual ~ByteFile() = default;
    virtual std::int64_t length() = 0;
    // whence: SEEK_SET, SEEK_CUR, SEEK_END. The new position, or -1.
    virtual std::int64_t seek(std::int64_t offset, int whence) = 0;
    virtual std::int64_t read(void* data, std::int64_t bytes) = 0;
    // Bytes written; fewer than asked is a failure (errorText says why).
    virtual std::int64_t write(const void* data, std::int64_t bytes) = 0;
    virtual std::int64_t tell() = 0;
    // Flushes to disk and closes; false when anything failed on the way.
    virtual bool close() = 0;
    virtual std::string errorText() const = 0; // Spanish; empty while all is well
};

// A new file on disk (created, or emptied when it exists); null when it
// cannot be created, with the reason in `error`.
using ByteFileOpener =
    std::function<std::unique_ptr<ByteFile>(const std::string& path, std::string& error)>;
ByteFileOpener diskFiles();

// Encodes interleaved stereo frames at the mixer's rate into one format.
class AudioFileWriter : public FrameSink {
public:
    // Takes over `file`; ok() tells whether libsndfile accepted the format.
    AudioFileWriter(std::unique_ptr<ByteFile> file, AudioFormat format);
    ~AudioFileWriter() override;
    AudioFileWriter(const AudioFileWriter&) = delete;
    AudioFileWriter& operator=(const AudioFileWriter&) = delete;

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    bool write(const float* interleavedStereo, int frames) override;
    // Writes the header, flushes and closes. False (error() says why) when any
    // byte did not reach the file.
    bool finish();

private:
    bool writePcm16(const float* interleavedStereo, int frames);

    struct Sndfile;
    std::unique_ptr<ByteFile> file_;
    std::unique_ptr<Sndfile> snd_;
    std::string error_;
    bool pcm16_ = false;
    std::vector<short> shorts_; // one block, converted
};

struct ExportResult {
    RenderStatus status = RenderStatus::Failed;
    std::string message; // Spanish: why it failed or was cancelled; empty when complete
    links::RenderNotes notes;
};

// Renders `renderer` into `path` in the format its extension names. `also`
// (may be null) sees every frame too. The render, the writing and `also` run
// as stages on threads of their own (render_stages.h); `also` is called only
// from its thread, and only until this returns. The file appears complete or
// not at all.
ExportResult exportToFile(SessionRenderer& renderer, const std::string& path, FrameSink* also,
                          const std::atomic<bool>* cancel,
                          const std::function<void(std::int64_t)>& progress,
                          const ByteFileOpener& open = diskFiles());

} // namespace vs::playback
