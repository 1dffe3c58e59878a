// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/render_jobs.h"

#include "audio/engine.h"
#include "base/file_replace.h"
#include "base/interface_language.h"
#include "playback/render_analysis.h"
#include "playback/session_render.h"
#include "render/render_options.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace vs::render {
namespace {

std::int64_t framesOf(const RenderJob& job) {
    return std::int64_t(std::max(job.model.lengthSeconds(), 0)) * audio::kMixRate;
}

int severity(int status) {
    switch (status) {
    case kExitComplete:
        return 0;
    case kExitDefects:
        return 1;
    case kExitFailed:
        return 2;
    default:
        return 3;
    }
}

JobOutcome run(RenderJob& job, std::ostream& standardOutput, const std::atomic<bool>* cancel,
               std::atomic<std::int64_t>& done) {
    JobOutcome out;
    playback::SessionRenderer renderer(job.model, job.sound, job.music, job.lights);
    playback::RenderAnalyser analyser(job.model, job.sound);
    const auto progress = [&done](std::int64_t frames) { done = frames; };
    const playback::ExportResult r =
        job.output == kStandardStream
            ? playback::exportToStream(renderer, playback::streamFile(standardOutput), &analyser,
                                       cancel, progress, job.writer)
            : playback::exportToFile(renderer, job.output, &analyser, cancel, progress,
                                     playback::diskFiles(), job.writer, job.format);
    out.notes = r.notes;
    if (r.status != playback::RenderStatus::Complete) {
        out.message = r.message;
        return out;
    }
    out.report = analyser.finish();
    if (!job.report.empty() &&
        !replaceFileContents(job.report, playback::reportJson(out.report, job.name, r.notes))) {
        out.message = translate("RenderCommand", "no se puede escribir ") + job.report;
        return out;
    }
    // Tones the user switched off leave nothing to check, which is no defect;
    // tones that should sound and cannot be measured are one.
    out.status = out.report.passed() || !out.report.tonesOn ? kExitComplete : kExitDefects;
    return out;
}

} // namespace

int worseStatus(int a, int b) {
    return severity(a) >= severity(b) ? a : b;
}

void runJobs(std::vector<RenderJob>& jobs, unsigned workers, std::ostream& standardOutput,
             const std::atomic<bool>* cancel,
             const std::function<void(const RenderJob&, const JobOutcome&)>& ended,
             const std::function<void(std::int64_t, std::int64_t)>& progress) {
    std::int64_t total = 0;
    for (const RenderJob& job : jobs)
        total += framesOf(job);
    std::vector<JobOutcome> outcomes(jobs.size());
    std::unique_ptr<std::atomic<std::int64_t>[]> done(new std::atomic<std::int64_t>[jobs.size()]);
    for (std::size_t i = 0; i < jobs.size(); ++i)
        done[i] = 0;
    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::size_t> finished;

    std::vector<std::thread> threads;
    const unsigned count =
        std::clamp<unsigned>(workers, 1, unsigned(std::max<std::size_t>(jobs.size(), 1)));
    for (unsigned t = 0; t < count; ++t)
        threads.emplace_back([&] {
            for (std::size_t i = next++; i < jobs.size(); i = next++) {
                outcomes[i] = run(jobs[i], standardOutput, cancel, done[i]);
                const std::lock_guard<std::mutex> lock(mutex);
                finished.push_back(i);
                wake.notify_one();
            }
        });
    for (std::size_t reported = 0; reported < jobs.size();) {
        std::deque<std::size_t> now;
        {
            std::unique_lock<std::mutex> lock(mutex);
            wake.wait_for(lock, std::chrono::milliseconds(100), [&] { return !finished.empty(); });
            now.swap(finished);
        }
        for (std::size_t i : now) {
            done[i] = framesOf(jobs[i]);
            ended(jobs[i], outcomes[i]);
        }
        reported += now.size();
        if (progress && reported < jobs.size()) {
            std::int64_t sum = 0;
            for (std::size_t i = 0; i < jobs.size(); ++i)
                sum += done[i];
            progress(sum, total);
        }
    }
    for (std::thread& t : threads)
        t.join();
}

} // namespace vs::render
