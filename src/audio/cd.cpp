// SPDX-License-Identifier: GPL-3.0-or-later
// Audio CD on libcdio. The table of contents comes from libcdio (a device or
// the BIN/CUE image driver); the audio sectors of a playing track are read
// through cdio-paranoia, which verifies and repairs what a real drive returns
// and reads an image's sectors just the same (verification off: an image reads
// exactly), so drive and image share one path. The reading runs on a thread of its own, because
// libcdio locks, allocates and waits on the drive; it fills a lock-free ring of float stereo that
// the CD line's source drains on the audio thread.
#include "audio/cd.h"
#include "audio/engine.h"
#include "audio/fed_line.h"
#include "audio/spsc_queue.h"

#include <cdio/cdio.h>
#include <cdio/logging.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace vs::audio {

namespace {

constexpr int kSamplesPerSector = 2 * kCdFramesPerSector;
// Room for about a second and a half: a drive that stalls briefly (a seek, a
// re-read) does not make the line fall silent.
constexpr std::size_t kRingSamples = std::size_t(kMixRate) * 2;
// play() with wait returns once this much is buffered (a quarter second).
constexpr std::size_t kStartSamples = std::size_t(kMixRate) / 4 * 2;
// A drive spinning up takes seconds; one that does not deliver by then is broken.
constexpr auto kStartWaitLimit = std::chrono::seconds(15);
// How often the reader looks for room in a full ring; the ring holds far more.
constexpr auto kReaderPoll = std::chrono::milliseconds(10);
// Re-reads of one sector before paranoia gives up on it and moves on.
constexpr int kReadRetries = 20;
// Lead-out (6750), lead-in (4500) and pregap (150) between the sessions of a
// CD-Extra disc.
constexpr unsigned kSessionGap = 11400;

static_assert(std::atomic<bool>::is_always_lock_free);

// libcdio reports on stderr by default; the program has no log.
void quietLog(cdio_log_level_t, const char*) {}
void quietLibcdio() {
    static std::once_flag once;
    std::call_once(once, [] { cdio_log_set_handler(quietLog); });
}

struct CdioCloser {
    void operator()(CdIo_t* p) const { cdio_destroy(p); }
};
using CdioPtr = std::unique_ptr<CdIo_t, CdioCloser>;

bool isCueSheet(const std::string& path) {
    if (path.size() < 4) return false;
    std::string end = path.substr(path.size() - 4);
    std::transform(end.begin(), end.end(), end.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return end == ".cue";
}

// The device number of a block device, or nothing for any other path.
std::optional<dev_t> blockDevice(const char* path) {
    struct stat st {};
    if (::stat(path, &st) != 0 || !S_ISBLK(st.st_mode)) return std::nullopt;
    return st.st_rdev;
}

// The drive a name stands for: "" is the first drive, or nothing.
std::string resolveDrive(const std::string& drive) {
    if (!drive.empty()) return drive;
    const auto drives = cdDrives();
    return drives.empty() ? std::string() : drives.front();
}

// libcdio would open a plain file or folder as a "device" and fail only when
// reading it, so a device path must name a block device.
CdioPtr openDrive(const std::string& drive) {
    quietLibcdio();
    if (drive.empty()) return {};
    if (isCueSheet(drive)) return CdioPtr(cdio_open(drive.c_str(), DRIVER_BINCUE));
    if (!blockDevice(drive.c_str())) return {};
    return CdioPtr(cdio_open(drive.c_str(), DRIVER_DEVICE));
}

struct TrackSpan {
    lsn_t first = 0;
    std::uint32_t sectors = 0;
};

// The sectors of audio track `track`, or nothing when the disc has no such track.
std::optional<TrackSpan> audioTrack(CdIo_t* cdio, unsigned track) {
    const track_t first = cdio_get_first_track_num(cdio);
    const track_t count = cdio_get_num_tracks(cdio);
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK) return std::nullopt;
    if (track < first || track >= unsigned(first) + count) return std::nullopt;
    const auto t = track_t(track);
    if (cdio_get_track_format(cdio, t) != TRACK_FORMAT_AUDIO) return std::nullopt;
    const lsn_t lsn = cdio_get_track_lsn(cdio, t);
    unsigned sectors = cdio_get_track_sec_count(cdio, t);
    if (lsn == CDIO_INVALID_LSN || sectors == 0) return std::nullopt;
    // On a disc with a data session after the audio (CD-Extra), the last
    // audio track is followed by its session's lead-out and the next one's
    // lead-in and pregap, which hold no audio: counted in, they would make the
    // track minutes too long and play unreadable sectors.
    if (track + 1 < unsigned(first) + count &&
        cdio_get_track_format(cdio, track_t(t + 1)) != TRACK_FORMAT_AUDIO) {
        lsn_t lastSession = 0;
        const lsn_t next = cdio_get_track_lsn(cdio, track_t(t + 1));
        if (cdio_get_last_session(cdio, &lastSession) == DRIVER_OP_SUCCESS && lastSession > 0 &&
            next >= lastSession && sectors > kSessionGap)
            sectors -= kSessionGap;
    }
    return TrackSpan{lsn, sectors};
}

std::int64_t sectorsToMs(std::uint32_t sectors) {
    // 1000 / 75 = 40 / 3 ms per sector; the remainder is a third or two, never a half.
    return (std::int64_t(sectors) * 40 + 1) / 3;
}

// The CD line's source: the audio thread's end of the reader's ring.
using CdLine = FedLine;

void ignoreProgress(long, paranoia_cb_mode_t) {}

} // namespace

// One playing track: its reader thread and the libcdio objects it reads
// through. Made and destroyed on the UI thread; between start() and the
// destructor only the reader touches the libcdio objects.
class CdPlayer::Track {
public:
    ~Track() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            quit_ = true;
        }
        cv_.notify_all();
        if (reader_.joinable()) reader_.join();
        if (paranoia_) cdio_paranoia_free(paranoia_);
        if (drive_) cdio_cddap_close_no_free_cdio(drive_);
    }

    // UI thread. Opens the drive for reading `track` (a real drive may take
    // as long as it needs to spin up). Nothing when it is no audio track or
    // the drive cannot be read.
    static std::unique_ptr<Track> open(const std::string& drive, unsigned track, bool loop) {
        auto t = std::unique_ptr<Track>(new Track);
        t->cdio_ = openDrive(drive);
        if (!t->cdio_) return {};
        const auto span = audioTrack(t->cdio_.get(), track);
        if (!span) return {};
        t->span_ = *span;
        t->loop_ = loop;
        char* messages = nullptr;
        t->drive_ = cdio_cddap_identify_cdio(t->cdio_.get(), CDDA_MESSAGE_FORGETIT, &messages);
        if (messages) cdio_cddap_free_messages(messages);
        if (!t->drive_) return {};
        cdio_cddap_verbose_set(t->drive_, CDDA_MESSAGE_FORGETIT, CDDA_MESSAGE_FORGETIT);
        if (cdio_cddap_open(t->drive_) != 0) return {};
        t->paranoia_ = cdio_paranoia_init(t->drive_);
        if (!t->paranoia_) return {};
        // A drive's reads jitter and need paranoia's overlapped, verified
        // reads; an image's are exact, and verifying them would cost three
        // times the CPU for nothing.
        cdio_paranoia_modeset(t->paranoia_, isCueSheet(drive)
                                                ? PARANOIA_MODE_DISABLE
                                                : PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP);
        cdio_paranoia_seek(t->paranoia_, t->span_.first, SEEK_SET);
        return t;
    }

    // UI thread, once.
    void start() {
        reader_ = std::thread([this] { read(); });
    }

    // UI thread: waits until audio is buffered or the reader has stopped.
    // True when there is audio to play.
    bool waitForAudio() {
        std::unique_lock<std::mutex> lock(mutex_);
        cv_.wait_for(lock, kStartWaitLimit, [this] { return startedOrDone_; });
        return sectorsRead_ > 0;
    }

    const std::shared_ptr<CdLine>& line() const { return line_; }

private:
    Track() = default;

    // Reader thread.
    void read() {
        float sector[kSamplesPerSector];
        std::uint32_t at = 0; // sectors of the track read in this pass
        while (true) {
            {
                std::unique_lock<std::mutex> lock(mutex_);
                if (quit_) break;
                if (line_->ring.writeSpace() < std::size_t(kSamplesPerSector)) {
                    cv_.wait_for(lock, kReaderPoll, [this] { return quit_; });
                    continue;
                }
            }
            if (at == span_.sectors) {
                if (!loop_) break;
                cdio_paranoia_seek(paranoia_, span_.first, SEEK_SET);
                at = 0;
            }
            const std::int16_t* data =
                cdio_paranoia_read_limited(paranoia_, ignoreProgress, kReadRetries);
            if (!data) break; // an unreadable disc ends the track rather than stall it
            for (int i = 0; i < kSamplesPerSector; ++i)
                sector[i] = float(data[i]) * (1.0f / 32768.0f);
            line_->ring.write(sector, kSamplesPerSector);
            ++at;
            std::lock_guard<std::mutex> lock(mutex_);
            ++sectorsRead_;
            if (!startedOrDone_ &&
                line_->ring.capacity() - line_->ring.writeSpace() >= kStartSamples) {
                startedOrDone_ = true;
                cv_.notify_all();
            }
        }
        line_->complete.store(true, std::memory_order_release);
        std::lock_guard<std::mutex> lock(mutex_);
        startedOrDone_ = true;
        cv_.notify_all();
    }

    CdioPtr cdio_;
    cdrom_drive_t* drive_ = nullptr;
    cdrom_paranoia_t* paranoia_ = nullptr;
    TrackSpan span_;
    bool loop_ = false;
    std::shared_ptr<CdLine> line_ = std::make_shared<CdLine>(kRingSamples);
    std::thread reader_;

    std::mutex mutex_;
    std::condition_variable cv_;
    bool quit_ = false;
    bool startedOrDone_ = false;
    std::uint64_t sectorsRead_ = 0;
};

CdPlayer::CdPlayer(Engine& engine) : engine_(engine) {}

CdPlayer::~CdPlayer() {
    stop();
}

bool CdPlayer::playing() const {
    // A closed engine has dropped the line's source: nothing drains the ring.
    return track_ && engine_.isOpen() && !track_->line()->drained.load(std::memory_order_acquire);
}

bool CdPlayer::stop() {
    if (!track_) return false;
    // Off the line first, so the audio thread lets go of the ring before the
    // reader is joined; the engine keeps the source alive until then.
    engine_.setLineSource(Line::CD, nullptr);
    track_.reset();
    return true;
}

bool CdPlayer::init(const std::string& drive) {
    free();
    if (drive.empty()) {
        quietLibcdio();
        drive_ = resolveDrive(drive);
    } else {
        if (!openDrive(drive)) return false;
        drive_ = drive;
    }
    ready_ = true;
    return true;
}

void CdPlayer::free() {
    stop();
    ready_ = false;
    drive_.clear();
}

std::optional<std::int64_t> CdPlayer::trackLengthMs(int track) const {
    if (!ready_ || track < 1) return std::nullopt;
    const CdioPtr cdio = openDrive(drive_);
    if (!cdio) return std::nullopt;
    const auto span = audioTrack(cdio.get(), unsigned(track));
    if (!span) return std::nullopt;
    return sectorsToMs(span->sectors);
}

bool CdPlayer::play(int track, bool loop, bool wait) {
    stop();
    if (!ready_ || track < 1 || !engine_.isOpen()) return false;
    auto t = Track::open(drive_, unsigned(track), loop);
    if (!t) return false;
    t->start();
    if (wait && !t->waitForAudio()) return false;
    if (!engine_.setLineSource(Line::CD, t->line())) return false;
    track_ = std::move(t);
    return true;
}

std::vector<CdTrackInfo> cdAudioTracks(const std::string& drive) {
    std::vector<CdTrackInfo> out;
    const CdioPtr cdio = openDrive(resolveDrive(drive));
    if (!cdio) return out;
    const track_t first = cdio_get_first_track_num(cdio.get());
    const track_t count = cdio_get_num_tracks(cdio.get());
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK) return out;
    for (unsigned n = first; n < unsigned(first) + count; ++n)
        if (const auto span = audioTrack(cdio.get(), n))
            out.push_back({int(n), sectorsToMs(span->sectors)});
    return out;
}

std::vector<std::string> cdDrives() {
    quietLibcdio();
    std::vector<std::string> out;
    std::vector<dev_t> seen;
    char** list = cdio_get_devices(DRIVER_DEVICE);
    // libcdio lists a drive under each of its names (/dev/cdrom and /dev/sr0).
    for (char** p = list; p && *p; ++p) {
        const auto dev = blockDevice(*p);
        if (!dev || std::find(seen.begin(), seen.end(), *dev) != seen.end()) continue;
        seen.push_back(*dev);
        out.emplace_back(*p);
    }
    cdio_free_device_list(list);
    return out;
}

} // namespace vs::audio
