// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing rendered sound to a file through libsndfile: WAV and FLAC as 16- or
// 24-bit PCM (WAV also as 32-bit float), Ogg Vorbis, MP3. The bytes go through
// a narrow file seam, so a disk that fills up can be played in tests; the
// export writes a temporary file beside the target and renames it only once
// the last block and the header are down, so a cancelled or failed export
// leaves nothing behind. A WAV file can also go out front to back, into a
// pipe: its header is known before the first frame, from the render's length.
//
// Thread rule: one thread at a time per writer, any thread.
#include "playback/session_render.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vs::playback {

enum class AudioFormat { Wav, Flac, Ogg, Mp3 };

// The format a file name asks for by its extension (any case); none for others.
std::optional<AudioFormat> formatForPath(const std::string& path);
const char* extensionOf(AudioFormat format); // "wav", "flac", "ogg", "mp3"

// The samples of WAV and FLAC files.
enum class SampleBits { Pcm16, Pcm24, Float32 };

// How a format is written beyond its name; the defaults are the export's.
struct WriterSettings {
    SampleBits bits = SampleBits::Pcm16; // WAV and FLAC (FLAC holds no floats)
    // Ogg Vorbis and MP3: 0 (the smallest file) to 10 (the best sound), on
    // libsndfile's compression level as 1 - quality / 10.
    int quality = 8;
    static constexpr int kMaxQuality = 10;
};

// Why `format` cannot be written with `settings` (Spanish), empty when it can.
std::string settingsProblem(AudioFormat format, const WriterSettings& settings);

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
    // A file that only goes forward (a pipe): what is written at the start
    // must be right the first time, so the writer hands over the header as
    // it will stand at the end (`finalHead`) before the first frame.
    virtual bool sequential() const { return false; }
    virtual void setFinalHead(std::string bytes) { (void)bytes; }
};

// A new file on disk (created, or emptied when it exists); null when it
// cannot be created, with the reason in `error`.
using ByteFileOpener =
    std::function<std::unique_ptr<ByteFile>(const std::string& path, std::string& error)>;
ByteFileOpener diskFiles();

// A sequential file into `out` (standard output), which it does not own: the
// header goes out with the first frame, the frames as they come; the header
// libsndfile writes at the end must match the one sent, or closing fails.
std::unique_ptr<ByteFile> streamFile(std::ostream& out);

// Encodes interleaved stereo frames at the mixer's rate into one format.
class AudioFileWriter : public FrameSink {
public:
    // Takes over `file`; ok() tells whether libsndfile accepted the format.
    // `frames`: how many are to come, which a sequential file needs (WAV only).
    AudioFileWriter(std::unique_ptr<ByteFile> file, AudioFormat format,
                    const WriterSettings& settings = {}, std::int64_t frames = 0);
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
    bool writePcm(const float* interleavedStereo, int frames);
    void fail();

    struct Sndfile;
    std::unique_ptr<ByteFile> file_;
    std::unique_ptr<Sndfile> snd_;
    std::string error_;
    int pcmBits_ = 0;                // 16 or 24 when the writer converts, 0 for floats
    std::vector<short> shorts_;      // one block, converted
    std::vector<std::int32_t> ints_; // one block at 24 bits
};

struct ExportResult {
    RenderStatus status = RenderStatus::Failed;
    std::string message; // Spanish: why it failed or was cancelled; empty when complete
    links::RenderNotes notes;
};

// Renders `renderer` into `path` in `format`, or the one its extension names
// when none is given. `also` (may be null) sees every frame too. The render,
// the writing and `also` run as stages on threads of their own
// (render_stages.h); `also` is called only from its thread, and only until
// this returns. The file appears complete or not at all.
ExportResult exportToFile(SessionRenderer& renderer, const std::string& path, FrameSink* also,
                          const std::atomic<bool>* cancel,
                          const std::function<void(std::int64_t)>& progress,
                          const ByteFileOpener& open = diskFiles(),
                          const WriterSettings& settings = {},
                          std::optional<AudioFormat> format = std::nullopt);

// Renders `renderer` as WAV into a sequential file (streamFile): what has
// gone out stays out, so a failed or cancelled render leaves a short stream
// behind, and the result says so.
ExportResult exportToStream(SessionRenderer& renderer, std::unique_ptr<ByteFile> file,
                            FrameSink* also, const std::atomic<bool>* cancel,
                            const std::function<void(std::int64_t)>& progress,
                            const WriterSettings& settings = {});

} // namespace vs::playback
