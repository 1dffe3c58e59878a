// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/background_render.h"

#include "base/interface_language.h"
#include "playback/render_stages.h"

namespace vs::playback {

BackgroundRender::BackgroundRender(const session::SessionModel& model, const ExportOptions& options,
                                   std::string path, links::MusicLinkFactory music,
                                   links::GlassesLinkFactory lights, ByteFileOpener open)
    : renderer_(model, options, std::move(music), std::move(lights)), analyser_(model, options),
      path_(std::move(path)), open_(std::move(open)), total_(renderer_.totalFrames()),
      start_(std::chrono::steady_clock::now()) {
    worker_ = std::thread([this] {
        auto progress = [this](std::int64_t done) { done_.store(done, std::memory_order_relaxed); };
        ExportResult r;
        if (path_.empty()) {
            const RenderResult run = renderInStages(renderer_, {&analyser_}, &cancel_, progress);
            r.status = run.status;
            r.notes = run.notes;
            if (run.status == RenderStatus::Cancelled)
                r.message = translate("BackgroundRender", "Verificación cancelada");
            else if (run.status == RenderStatus::Failed)
                r.message = run.error;
        } else {
            r = exportToFile(renderer_, path_, &analyser_, &cancel_, progress, open_);
        }
        if (r.status == RenderStatus::Complete) analyser_.finish();
        result_ = std::move(r);
        ended_.store(true, std::memory_order_release);
    });
}

BackgroundRender::~BackgroundRender() {
    cancel();
    if (worker_.joinable()) worker_.join();
}

std::optional<double> BackgroundRender::secondsLeft() const {
    const std::int64_t done = framesDone();
    if (done <= 0) return std::nullopt;
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    return elapsed * double(total_ - done) / double(done);
}

bool BackgroundRender::finished() {
    if (!ended_.load(std::memory_order_acquire)) return false;
    if (worker_.joinable()) worker_.join();
    return true;
}

} // namespace vs::playback
