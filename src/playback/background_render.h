// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An export or a verification run on a worker thread of its own, so the
// window stays responsive: the UI thread starts it, polls its progress and
// its end, may ask it to stop, and reads the outcome once it has ended.
//
// Thread rule: every method on the thread that made the job (the UI thread);
// the worker shares with it only atomics.
#include "playback/audio_file_writer.h"
#include "playback/render_analysis.h"
#include "playback/session_render.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace vs::playback {

class BackgroundRender {
public:
    // Renders the session into `path`, verifying it on the way; an empty path
    // only verifies. Starts at once.
    BackgroundRender(const session::SessionModel& model, const ExportOptions& options,
                     std::string path, links::MusicLinkFactory music = {},
                     links::GlassesLinkFactory lights = {}, ByteFileOpener open = diskFiles());
    // Cancels and waits for the worker.
    ~BackgroundRender();
    BackgroundRender(const BackgroundRender&) = delete;
    BackgroundRender& operator=(const BackgroundRender&) = delete;

    std::int64_t totalFrames() const { return total_; }
    std::int64_t framesDone() const { return done_.load(std::memory_order_relaxed); }
    // Seconds still to go, from the pace so far; none before the first block.
    std::optional<double> secondsLeft() const;
    void cancel() { cancel_.store(true, std::memory_order_relaxed); }
    // True once the worker has ended; then the outcome may be read (the
    // worker is joined on the first call that sees it end).
    bool finished();
    const ExportResult& result() const { return result_; }
    const VerificationReport& report() const { return analyser_.report(); }
    const std::string& path() const { return path_; }

private:
    static_assert(std::atomic<std::int64_t>::is_always_lock_free);
    static_assert(std::atomic<bool>::is_always_lock_free);

    SessionRenderer renderer_;
    RenderAnalyser analyser_;
    std::string path_;
    ByteFileOpener open_;
    std::int64_t total_;
    std::chrono::steady_clock::time_point start_;
    std::atomic<std::int64_t> done_{0};
    std::atomic<bool> cancel_{false};
    std::atomic<bool> ended_{false};
    ExportResult result_; // written by the worker before ended_, read after
    std::thread worker_;
};

} // namespace vs::playback
