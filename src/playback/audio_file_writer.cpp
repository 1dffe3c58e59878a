// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/audio_file_writer.h"

#include "audio/engine.h"
#include "base/interface_language.h"
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
#include <ostream>
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
        return translate("AudioFileWriter", "no queda espacio en el disco");
    case EACCES:
    case EPERM:
        return translate("AudioFileWriter", "no hay permiso para escribir en esa carpeta");
    case EROFS:
        return translate("AudioFileWriter", "el disco es de solo lectura");
    case ENOENT:
    case ENOTDIR:
        return translate("AudioFileWriter", "la carpeta no existe");
    case EIO:
        return translate("AudioFileWriter", "error de entrada/salida del disco");
    default:
        return translate("AudioFileWriter", "error de escritura (código ") + std::to_string(err) +
               ")";
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

// Standard output: bytes go out in order and never come back. libsndfile
// writes a provisional header first and the real one at the end; the real
// one (handed over by the writer) goes out with the first frame, and
// whatever libsndfile writes over it later must be the same bytes.
class StreamFile : public ByteFile {
public:
    explicit StreamFile(std::ostream& out) : out_(out) {}
    std::int64_t length() override { return std::max(sent_, std::int64_t(head_.size())); }
    std::int64_t seek(std::int64_t offset, int whence) override {
        pos_ = whence == SEEK_SET ? offset : whence == SEEK_CUR ? pos_ + offset : length() + offset;
        return pos_;
    }
    std::int64_t read(void*, std::int64_t) override { return 0; }
    std::int64_t write(const void* data, std::int64_t bytes) override {
        const auto* p = static_cast<const char*>(data);
        const auto head = std::int64_t(head_.size());
        std::int64_t done = 0;
        if (!headKnown_) { // the header libsndfile writes as it opens
            pos_ += bytes;
            return bytes;
        }
        if (pos_ < head) {
            done = std::min(bytes, head - pos_);
            if (sent_ > 0 &&
                head_.compare(std::size_t(pos_), std::size_t(done), p, std::size_t(done)) != 0)
                return fail(
                    translate("AudioFileWriter", "la cabecera ya enviada no se puede corregir"));
            pos_ += done;
        }
        if (done == bytes) return done;
        if (head == 0) return fail(translate("AudioFileWriter", "falta la cabecera del fichero"));
        if (sent_ == 0 && !put(head_.data(), head)) return 0;
        sent_ = std::max(sent_, head);
        if (pos_ != sent_)
            return fail(translate("AudioFileWriter", "la salida no puede volver atrás"));
        if (!put(p + done, bytes - done)) return done;
        sent_ += bytes - done;
        pos_ = sent_;
        return bytes;
    }
    std::int64_t tell() override { return pos_; }
    bool close() override {
        out_.flush();
        if (!out_) fail(translate("AudioFileWriter", "no se puede escribir en la salida"));
        return error_.empty();
    }
    std::string errorText() const override { return error_; }
    bool sequential() const override { return true; }
    void setFinalHead(std::string bytes) override {
        head_ = std::move(bytes);
        headKnown_ = true;
    }

private:
    bool put(const char* p, std::int64_t n) {
        out_.write(p, std::streamsize(n));
        if (out_) return true;
        fail(translate("AudioFileWriter", "no se puede escribir en la salida"));
        return false;
    }
    std::int64_t fail(const std::string& why) {
        if (error_.empty()) error_ = why;
        return 0;
    }
    std::ostream& out_;
    std::string head_;
    bool headKnown_ = false;
    std::int64_t pos_ = 0, sent_ = 0;
    std::string error_;
};

// A file that keeps only its first bytes: where a header is written.
class HeadProbe : public ByteFile {
public:
    std::int64_t length() override { return end_; }
    std::int64_t seek(std::int64_t offset, int whence) override {
        pos_ = whence == SEEK_SET ? offset : whence == SEEK_CUR ? pos_ + offset : end_ + offset;
        return pos_;
    }
    std::int64_t read(void*, std::int64_t) override { return 0; }
    std::int64_t write(const void* data, std::int64_t bytes) override {
        const std::int64_t kept = std::clamp<std::int64_t>(kKept - pos_, 0, bytes);
        if (kept > 0) {
            if (bytes_.size() < std::size_t(pos_ + kept)) bytes_.resize(std::size_t(pos_ + kept));
            std::copy_n(static_cast<const char*>(data), kept, bytes_.begin() + pos_);
        }
        pos_ += bytes;
        end_ = std::max(end_, pos_);
        return bytes;
    }
    std::int64_t tell() override { return pos_; }
    bool close() override { return true; }
    std::string errorText() const override { return {}; }
    std::string first(std::int64_t n) const { return bytes_.substr(0, std::size_t(n)); }

private:
    static constexpr std::int64_t kKept = 1 << 16;
    std::string bytes_;
    std::int64_t pos_ = 0, end_ = 0;
};

int sndFormat(AudioFormat f, SampleBits bits) {
    const int pcm = bits == SampleBits::Pcm24     ? SF_FORMAT_PCM_24
                    : bits == SampleBits::Float32 ? SF_FORMAT_FLOAT
                                                  : SF_FORMAT_PCM_16;
    switch (f) {
    case AudioFormat::Wav:
        return SF_FORMAT_WAV | pcm;
    case AudioFormat::Flac:
        return SF_FORMAT_FLAC | pcm;
    case AudioFormat::Ogg:
        return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    case AudioFormat::Mp3:
        return SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    }
    return 0;
}

bool isPcm(AudioFormat f) {
    return f == AudioFormat::Wav || f == AudioFormat::Flac;
}

SF_INFO infoFor(AudioFormat format, const WriterSettings& settings) {
    SF_INFO info{};
    info.samplerate = audio::kMixRate;
    info.channels = 2;
    info.format = sndFormat(format, isPcm(format) ? settings.bits : SampleBits::Pcm16);
    return info;
}

// What every file of a format is written with, before its first frame.
void configure(SNDFILE* handle, AudioFormat format, const WriterSettings& settings) {
    // Beyond full scale the integer formats hold the extreme value rather than
    // wrap round to the opposite one (for PCM the writer clips on its own).
    sf_command(handle, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    if (format == AudioFormat::Wav && settings.bits == SampleBits::Float32) {
        // The peak chunk carries the time of writing: without it the same
        // render gives the same bytes, and its header is known up front.
        sf_command(handle, SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
    }
    if (format == AudioFormat::Flac) {
        // FLAC's fastest level: two pure tones and noise pack hardly better
        // at the higher ones (a few per cent), which take twice the time.
        double level = 0.0;
        sf_command(handle, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    } else if (!isPcm(format)) {
        // 0 is the least compression (best sound) on libsndfile's 0..1 scale.
        double level = (WriterSettings::kMaxQuality - settings.quality) / 10.0;
        sf_command(handle, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    }
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

// The header libsndfile writes at the end of `frames` frames, found by
// writing the last of them (silence) where it goes into a file that keeps
// only its first bytes. Empty when the header is longer than those.
std::string finalHead(AudioFormat format, const WriterSettings& settings, std::int64_t frames) {
    HeadProbe probe;
    SF_VIRTUAL_IO io = virtualIo();
    SF_INFO info = infoFor(format, settings);
    SNDFILE* handle = sf_open_virtual(&io, SFM_WRITE, &info, &probe);
    if (!handle) return {};
    configure(handle, format, settings);
    const std::int64_t head = probe.tell();
    const float silence[2] = {0, 0};
    bool ok = sf_seek(handle, frames - 1, SEEK_SET) == frames - 1 &&
              sf_writef_float(handle, silence, 1) == 1;
    ok = sf_close(handle) == 0 && ok && head < (1 << 16);
    return ok ? probe.first(head) : std::string();
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
    error = translate("AudioFileWriter", "no se encuentra un nombre libre en la carpeta");
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

std::string settingsProblem(AudioFormat format, const WriterSettings& settings) {
    if (format == AudioFormat::Flac && settings.bits == SampleBits::Float32)
        return translate("AudioFileWriter",
                         "FLAC no guarda muestras en coma flotante: use 16 o 24 bits");
    if (settings.quality < 0 || settings.quality > WriterSettings::kMaxQuality)
        return translate("AudioFileWriter", "la calidad va de 0 a 10");
    return {};
}

std::unique_ptr<ByteFile> streamFile(std::ostream& out) {
    return std::make_unique<StreamFile>(out);
}

struct AudioFileWriter::Sndfile {
    SF_VIRTUAL_IO io = virtualIo();
    SNDFILE* handle = nullptr;
};

AudioFileWriter::AudioFileWriter(std::unique_ptr<ByteFile> file, AudioFormat format,
                                 const WriterSettings& settings, std::int64_t frames)
    : file_(std::move(file)), snd_(std::make_unique<Sndfile>()) {
    error_ = settingsProblem(format, settings);
    if (error_.empty() && file_->sequential() && (format != AudioFormat::Wav || frames <= 0))
        error_ =
            translate("AudioFileWriter",
                      "una salida que no puede volver atrás solo lleva WAV de duración conocida");
    if (!error_.empty()) return;
    SF_INFO info = infoFor(format, settings);
    snd_->handle = sf_open_virtual(&snd_->io, SFM_WRITE, &info, file_.get());
    if (!snd_->handle) {
        error_ = file_->errorText().empty()
                     ? translate("AudioFileWriter", "el formato no se puede escribir")
                     : file_->errorText();
        return;
    }
    configure(snd_->handle, format, settings);
    if (file_->sequential()) file_->setFinalHead(finalHead(format, settings, frames));
    if (isPcm(format) && settings.bits == SampleBits::Pcm16) {
        pcmBits_ = 16;
        shorts_.resize(2 * SessionRenderer::kBlockFrames);
    } else if (isPcm(format) && settings.bits == SampleBits::Pcm24) {
        pcmBits_ = 24;
        ints_.resize(2 * SessionRenderer::kBlockFrames);
    }
}

AudioFileWriter::~AudioFileWriter() {
    if (snd_->handle) sf_close(snd_->handle);
}

bool AudioFileWriter::write(const float* x, int frames) {
    if (!snd_->handle || !error_.empty()) return false;
    if (pcmBits_ > 0) return writePcm(x, frames);
    if (sf_writef_float(snd_->handle, x, frames) != frames) {
        fail();
        return false;
    }
    return true;
}

void AudioFileWriter::fail() {
    error_ = file_->errorText().empty() ? sf_strerror(snd_->handle) : file_->errorText();
}

// libsndfile's own conversion clips sample by sample and writes in small
// pieces; this one hands over a block at once, the 16 bits converted in
// vector registers (sample_kernels.h, the same rounding as the loop below).
// The scales are libsndfile's: full scale is 32767 at 16 bits, 8388607 at 24
// (handed over in the top three bytes of an int, as libsndfile takes them).
template <typename Int> void toPcm(const float* x, Int* out, int count, float full, Int step) {
    for (int i = 0; i < count; ++i) {
        float v = x[i] > 1.0f ? 1.0f : x[i];
        v = v < -1.0f ? -1.0f : v;
        v = (v == v ? v : 0.0f) * full; // a NaN is silence, never an undefined cast
        out[i] = Int(Int(v >= 0 ? v + 0.5f : v - 0.5f) * step);
    }
}

bool AudioFileWriter::writePcm(const float* x, int frames) {
    while (frames > 0) {
        const int n = std::min(frames, SessionRenderer::kBlockFrames);
        sf_count_t written;
        if (pcmBits_ == 16) {
            detail::toPcm16(x, 2 * n, shorts_.data());
            written = sf_writef_short(snd_->handle, shorts_.data(), n);
        } else {
            toPcm<std::int32_t>(x, ints_.data(), 2 * n, 8388607.0f, 256);
            written = sf_writef_int(snd_->handle, ints_.data(), n);
        }
        if (written != n) {
            fail();
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
        error_ = file_->errorText().empty()
                     ? translate("AudioFileWriter", "el fichero no se pudo completar")
                     : file_->errorText();
    return error_.empty();
}

namespace {

// The writer over `file`, the render into it and what came of both; the
// message of a cancel is the caller's to give.
ExportResult renderToFile(SessionRenderer& renderer, std::unique_ptr<ByteFile> file,
                          AudioFormat format, const WriterSettings& settings, std::int64_t frames,
                          FrameSink* also, const std::atomic<bool>* cancel,
                          const std::function<void(std::int64_t)>& progress) {
    ExportResult out;
    AudioFileWriter writer(std::move(file), format, settings, frames);
    if (!writer.ok()) {
        out.message =
            translate("AudioFileWriter", "No se puede escribir el fichero: ") + writer.error();
        return out;
    }
    // The writer and the verification each on a thread of their own.
    std::vector<FrameSink*> stages{&writer};
    if (also) stages.push_back(also);
    const RenderResult r = renderInStages(renderer, stages, cancel, progress);
    const bool finished = writer.finish();
    out.notes = r.notes;
    if (r.status == RenderStatus::Cancelled) {
        out.status = RenderStatus::Cancelled;
    } else if (r.status != RenderStatus::Complete || !finished) {
        out.message =
            !writer.ok()
                ? translate("AudioFileWriter", "No se puede escribir el fichero: ") + writer.error()
            : r.error.empty() ? translate("AudioFileWriter", "La exportación no se ha completado")
                              : r.error;
    } else {
        out.status = RenderStatus::Complete;
    }
    return out;
}

} // namespace

ExportResult exportToFile(SessionRenderer& renderer, const std::string& path, FrameSink* also,
                          const std::atomic<bool>* cancel,
                          const std::function<void(std::int64_t)>& progress,
                          const ByteFileOpener& open, const WriterSettings& settings,
                          std::optional<AudioFormat> format) {
    ExportResult out;
    if (!format) format = formatForPath(path);
    if (!format) {
        out.message =
            translate("AudioFileWriter", "Formato desconocido: use .wav, .flac, .ogg o .mp3");
        return out;
    }
    std::string tempPath, error;
    auto file = openTemporary(path, open, tempPath, error);
    if (!file) {
        out.message = translate("AudioFileWriter", "No se puede crear el fichero: ") + error;
        return out;
    }
    std::error_code ec;
    auto discard = [&] { std::filesystem::remove(tempPath, ec); };
    out = renderToFile(renderer, std::move(file), *format, settings, 0, also, cancel, progress);
    if (out.status == RenderStatus::Cancelled) {
        discard();
        out.message =
            translate("AudioFileWriter", "Exportación cancelada: no se ha guardado ningún fichero");
        return out;
    }
    if (out.status != RenderStatus::Complete) {
        discard();
        return out;
    }
    std::filesystem::rename(tempPath, path, ec);
    if (ec) {
        discard();
        out.status = RenderStatus::Failed;
        out.message = translate("AudioFileWriter", "No se puede guardar el fichero con ese nombre");
    }
    return out;
}

ExportResult exportToStream(SessionRenderer& renderer, std::unique_ptr<ByteFile> file,
                            FrameSink* also, const std::atomic<bool>* cancel,
                            const std::function<void(std::int64_t)>& progress,
                            const WriterSettings& settings) {
    ExportResult out = renderToFile(renderer, std::move(file), AudioFormat::Wav, settings,
                                    renderer.totalFrames(), also, cancel, progress);
    if (out.status == RenderStatus::Cancelled)
        out.message =
            translate("AudioFileWriter", "Exportación cancelada: la salida ha quedado incompleta");
    return out;
}

} // namespace vs::playback
