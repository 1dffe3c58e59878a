// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/audio_file_writer.h"

#include "audio/engine.h"
#include "base/process_files.h"
#include "playback/render_stages.h"
#include "playback/sample_kernels.h"

#include <sndfile.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace vs::playback {
namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

std::string reasonFor(int err) {
    switch (err) {
    case ENOSPC:
    case EDQUOT:
        return "no queda espacio en el disco";
    case EACCES:
    case EPERM:
        return "no hay permiso para escribir en esa carpeta";
    case EROFS:
        return "el disco es de solo lectura";
    case ENOENT:
    case ENOTDIR:
        return "la carpeta no existe";
    case EIO:
        return "error de entrada/salida del disco";
    default:
        return "error de escritura (código " + std::to_string(err) + ")";
    }
}

class DiskFile : public ByteFile {
public:
    explicit DiskFile(int fd) : fd_(fd) {}
    ~DiskFile() override {
        if (fd_ >= 0) ::close(fd_);
    }
    std::int64_t length() override {
        const off_t here = ::lseek(fd_, 0, SEEK_CUR);
        const off_t end = ::lseek(fd_, 0, SEEK_END);
        ::lseek(fd_, here, SEEK_SET);
        return end;
    }
    std::int64_t seek(std::int64_t offset, int whence) override {
        return ::lseek(fd_, off_t(offset), whence);
    }
    std::int64_t read(void* data, std::int64_t bytes) override {
        const ssize_t n = ::read(fd_, data, std::size_t(bytes));
        return n < 0 ? 0 : n;
    }
    std::int64_t write(const void* data, std::int64_t bytes) override {
        auto* p = static_cast<const char*>(data);
        std::int64_t done = 0;
        while (done < bytes) {
            const ssize_t n = ::write(fd_, p + done, std::size_t(bytes - done));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                fail(n < 0 ? errno : ENOSPC);
                break;
            }
            done += n;
        }
        startWriteback(done);
        return done;
    }
    std::int64_t tell() override { return ::lseek(fd_, 0, SEEK_CUR); }
    bool close() override {
        if (fd_ < 0) return error_.empty();
        if (::fsync(fd_) != 0 && errno != EINVAL) fail(errno);
        if (::close(fd_) != 0) fail(errno);
        fd_ = -1;
        return error_.empty();
    }
    std::string errorText() const override { return error_; }

private:
    void fail(int err) {
        if (error_.empty()) error_ = reasonFor(err);
    }
    // The disk is set writing each few megabytes as they come, so the sync
    // at the end waits for the last of them only, not for the whole file.
    // Only a hint: a file system that does not take it syncs all at close.
    void startWriteback(std::int64_t bytes) {
        written_ += bytes;
        if (written_ - handed_ < kWritebackBytes) return;
        ::sync_file_range(fd_, off_t(handed_), off_t(written_ - handed_), SYNC_FILE_RANGE_WRITE);
        handed_ = written_;
    }
    static constexpr std::int64_t kWritebackBytes = 8 << 20;
    int fd_;
    std::int64_t written_ = 0, handed_ = 0; // bytes written in order; set writing
    std::string error_;
};

int sndFormat(AudioFormat f) {
    switch (f) {
    case AudioFormat::Wav:
        return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    case AudioFormat::Flac:
        return SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    case AudioFormat::Ogg:
        return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    case AudioFormat::Mp3:
        return SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    }
    return 0;
}

ByteFile& fileOf(void* user) {
    return *static_cast<ByteFile*>(user);
}

SF_VIRTUAL_IO virtualIo() {
    SF_VIRTUAL_IO io{};
    io.get_filelen = [](void* u) -> sf_count_t { return fileOf(u).length(); };
    io.seek = [](sf_count_t offset, int whence, void* u) -> sf_count_t {
        return fileOf(u).seek(offset, whence);
    };
    io.read = [](void* ptr, sf_count_t count, void* u) -> sf_count_t {
        return fileOf(u).read(ptr, count);
    };
    io.write = [](const void* ptr, sf_count_t count, void* u) -> sf_count_t {
        return fileOf(u).write(ptr, count);
    };
    io.tell = [](void* u) -> sf_count_t { return fileOf(u).tell(); };
    return io;
}

// A name beside the target that no other file has.
std::unique_ptr<ByteFile> openTemporary(const std::string& path, const ByteFileOpener& open,
                                        std::string& tempPath, std::string& error) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = partialTemporaryName(path, counter++);
        if (std::filesystem::exists(tempPath)) continue;
        return open(tempPath, error);
    }
    error = "no se encuentra un nombre libre en la carpeta";
    return nullptr;
}

} // namespace

std::optional<AudioFormat> formatForPath(const std::string& path) {
    const std::string ext = lower(std::filesystem::path(path).extension().string());
    if (ext == ".wav") return AudioFormat::Wav;
    if (ext == ".flac") return AudioFormat::Flac;
    if (ext == ".ogg") return AudioFormat::Ogg;
    if (ext == ".mp3") return AudioFormat::Mp3;
    return std::nullopt;
}

const char* extensionOf(AudioFormat format) {
    switch (format) {
    case AudioFormat::Wav:
        return "wav";
    case AudioFormat::Flac:
        return "flac";
    case AudioFormat::Ogg:
        return "ogg";
    case AudioFormat::Mp3:
        return "mp3";
    }
    return "";
}

ByteFileOpener diskFiles() {
    return [](const std::string& path, std::string& error) -> std::unique_ptr<ByteFile> {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            error = reasonFor(errno);
            return nullptr;
        }
        return std::make_unique<DiskFile>(fd);
    };
}

struct AudioFileWriter::Sndfile {
    SF_VIRTUAL_IO io = virtualIo();
    SNDFILE* handle = nullptr;
};

AudioFileWriter::AudioFileWriter(std::unique_ptr<ByteFile> file, AudioFormat format)
    : file_(std::move(file)), snd_(std::make_unique<Sndfile>()) {
    SF_INFO info{};
    info.samplerate = audio::kMixRate;
    info.channels = 2;
    info.format = sndFormat(format);
    snd_->handle = sf_open_virtual(&snd_->io, SFM_WRITE, &info, file_.get());
    if (!snd_->handle) {
        error_ =
            file_->errorText().empty() ? "el formato no se puede escribir" : file_->errorText();
        return;
    }
    // Beyond full scale the integer formats hold the extreme value rather than
    // wrap round to the opposite one (for PCM the writer clips on its own).
    sf_command(snd_->handle, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    pcm16_ = format == AudioFormat::Wav || format == AudioFormat::Flac;
    if (pcm16_) shorts_.resize(2 * SessionRenderer::kBlockFrames);
    if (format == AudioFormat::Flac) {
        // FLAC's fastest level: two pure tones and noise pack hardly better
        // at the higher ones (a few per cent), which take twice the time.
        double level = 0.0;
        sf_command(snd_->handle, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    } else if (format == AudioFormat::Ogg || format == AudioFormat::Mp3) {
        // 0 is the least compression (best sound) on libsndfile's 0..1 scale.
        double level = 0.2;
        sf_command(snd_->handle, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    }
}

AudioFileWriter::~AudioFileWriter() {
    if (snd_->handle) sf_close(snd_->handle);
}

bool AudioFileWriter::write(const float* x, int frames) {
    if (!snd_->handle || !error_.empty()) return false;
    if (pcm16_) return writePcm16(x, frames);
    if (sf_writef_float(snd_->handle, x, frames) != frames) {
        error_ = file_->errorText().empty() ? sf_strerror(snd_->handle) : file_->errorText();
        return false;
    }
    return true;
}

// libsndfile's own conversion clips sample by sample and writes in small
// pieces; this one runs in vector registers (sample_kernels.h) and hands over
// a block at once.
// The scale is libsndfile's: full scale is 32767.
bool AudioFileWriter::writePcm16(const float* x, int frames) {
    while (frames > 0) {
        const int n = std::min(frames, int(shorts_.size() / 2));
        short* out = shorts_.data();
        // A NaN is silence, never an undefined cast.
        detail::toPcm16(x, 2 * n, out);
        if (sf_writef_short(snd_->handle, out, n) != n) {
            error_ = file_->errorText().empty() ? sf_strerror(snd_->handle) : file_->errorText();
            return false;
        }
        x += 2 * n;
        frames -= n;
    }
    return true;
}

bool AudioFileWriter::finish() {
    if (!snd_->handle) return false;
    const int rc = sf_close(snd_->handle);
    snd_->handle = nullptr;
    const bool closed = file_->close();
    if (error_.empty() && (rc != 0 || !closed))
        error_ =
            file_->errorText().empty() ? "el fichero no se pudo completar" : file_->errorText();
    return error_.empty();
}

ExportResult exportToFile(SessionRenderer& renderer, const std::string& path, FrameSink* also,
                          const std::atomic<bool>* cancel,
                          const std::function<void(std::int64_t)>& progress,
                          const ByteFileOpener& open) {
    ExportResult out;
    const auto format = formatForPath(path);
    if (!format) {
        out.message = "Formato desconocido: use .wav, .flac, .ogg o .mp3";
        return out;
    }
    std::string tempPath, error;
    auto file = openTemporary(path, open, tempPath, error);
    if (!file) {
        out.message = "No se puede crear el fichero: " + error;
        return out;
    }
    std::error_code ec;
    auto discard = [&] { std::filesystem::remove(tempPath, ec); };
    AudioFileWriter writer(std::move(file), *format);
    if (!writer.ok()) {
        discard();
        out.message = "No se puede escribir el fichero: " + writer.error();
        return out;
    }
    // The writer and the verification each on a thread of their own.
    std::vector<FrameSink*> stages{&writer};
    if (also) stages.push_back(also);
    const RenderResult r = renderInStages(renderer, stages, cancel, progress);
    const bool finished = writer.finish();
    out.notes = r.notes;
    if (r.status == RenderStatus::Cancelled) {
        discard();
        out.status = RenderStatus::Cancelled;
        out.message = "Exportación cancelada: no se ha guardado ningún fichero";
        return out;
    }
    if (r.status != RenderStatus::Complete || !finished) {
        discard();
        out.message = !writer.ok()      ? "No se puede escribir el fichero: " + writer.error()
                      : r.error.empty() ? "La exportación no se ha completado"
                                        : r.error;
        return out;
    }
    std::filesystem::rename(tempPath, path, ec);
    if (ec) {
        discard();
        out.message = "No se puede guardar el fichero con ese nombre";
        return out;
    }
    out.status = RenderStatus::Complete;
    return out;
}

} // namespace vs::playback
