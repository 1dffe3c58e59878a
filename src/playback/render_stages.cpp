// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/render_stages.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <thread>

namespace vs::playback {
namespace {

constexpr int kSlots = 16; // 1.6 s of sound, 560 kB
constexpr int kSlotFrames = SessionRenderer::kBlockFrames;

// The ring: slots written by one thread, read by every reader in order. Its
// counters alone carry the hand-over (no lock); a side with nothing to do
// sleeps on the other's counter (a futex on Linux) until it moves.
class BlockRing {
public:
    explicit BlockRing(int readers)
        : data_(std::size_t(kSlots) * 2 * kSlotFrames), readers_(readers),
          tails_(std::make_unique<std::atomic<std::uint32_t>[]>(std::size_t(readers))) {
        for (int r = 0; r < readers; ++r)
            tails_[std::size_t(r)].store(0, std::memory_order_relaxed);
    }

    // Writer: the next slot, once every reader is done with it.
    float* freeSlot() {
        const std::uint32_t head = countOf(head_.load(std::memory_order_relaxed));
        for (;;) {
            int slowest = 0;
            std::uint32_t tail = tails_[0].load(std::memory_order_acquire);
            for (int r = 1; r < readers_; ++r) {
                const std::uint32_t t = tails_[std::size_t(r)].load(std::memory_order_acquire);
                if (head - t > head - tail) {
                    tail = t;
                    slowest = r;
                }
            }
            if (head - tail < std::uint32_t(kSlots)) break;
            tails_[std::size_t(slowest)].wait(tail, std::memory_order_acquire);
        }
        return slot(head);
    }
    // Writer: hands the slot freeSlot() gave over, with `frames` frames in it.
    void publish(int frames) {
        const std::uint32_t head = countOf(head_.load(std::memory_order_relaxed));
        frames_[head % kSlots] = frames;
        head_.fetch_add(1, std::memory_order_release);
        head_.notify_all();
    }
    // Writer: no more blocks. The readers read what is there first, unless
    // `drop`: then they stop at once.
    void close(bool drop) {
        head_.fetch_or(drop ? kDropped : kClosed, std::memory_order_release);
        head_.notify_all();
    }

    // Reader `r`: its next block; false at the end.
    bool next(int r, const float*& data, int& frames) {
        const std::uint32_t tail = tails_[std::size_t(r)].load(std::memory_order_relaxed);
        std::uint32_t head = head_.load(std::memory_order_acquire);
        while (!(head & kDropped) && countOf(head) == tail) {
            if (head & kClosed) return false;
            head_.wait(head, std::memory_order_acquire);
            head = head_.load(std::memory_order_acquire);
        }
        if (head & kDropped) return false;
        data = slot(tail);
        frames = frames_[tail % kSlots];
        return true;
    }
    // Reader `r`: done with the block next() gave.
    void done(int r) {
        tails_[std::size_t(r)].fetch_add(1, std::memory_order_release);
        tails_[std::size_t(r)].notify_one();
    }

private:
    // The head counts the blocks written; its two top bits say how it ended.
    static constexpr std::uint32_t kClosed = 1u << 31;
    static constexpr std::uint32_t kDropped = 1u << 30;
    static std::uint32_t countOf(std::uint32_t head) { return head & ~(kClosed | kDropped); }
    float* slot(std::uint32_t n) {
        return data_.data() + std::size_t(n % kSlots) * 2 * kSlotFrames;
    }

    std::vector<float> data_;
    std::array<int, kSlots> frames_{};
    int readers_;
    std::atomic<std::uint32_t> head_{0};
    std::unique_ptr<std::atomic<std::uint32_t>[]> tails_;
    static_assert(std::atomic<std::uint32_t>::is_always_lock_free);
};

// What the renderer writes into: the ring's next slot, lent to the renderer
// so the frames are made where the stages read them.
class RingInput : public FrameSink {
public:
    RingInput(BlockRing& ring, const std::atomic<bool>& failed) : ring_(ring), failed_(failed) {}
    float* nextBlock(int frames) override {
        lent_ = frames <= kSlotFrames ? ring_.freeSlot() : nullptr;
        return lent_;
    }
    bool write(const float* x, int frames) override {
        while (frames > 0 && !failed_.load(std::memory_order_relaxed)) {
            const int n = std::min(frames, kSlotFrames);
            float* slot = x == lent_ ? lent_ : ring_.freeSlot();
            if (slot != x) std::memcpy(slot, x, sizeof(float) * 2 * std::size_t(n));
            lent_ = nullptr;
            ring_.publish(n);
            x += 2 * n;
            frames -= n;
        }
        return !failed_.load(std::memory_order_relaxed);
    }

private:
    BlockRing& ring_;
    const std::atomic<bool>& failed_;
    float* lent_ = nullptr;
};

// The stages' threads, ended and joined however the render ends.
class StageThreads {
public:
    StageThreads(BlockRing& ring, const std::vector<FrameSink*>& stages, std::atomic<bool>& failed)
        : ring_(ring) {
        for (std::size_t r = 0; r < stages.size(); ++r)
            threads_.emplace_back([&ring, &failed, sink = stages[r], r] {
                bool ok = true;
                const float* data = nullptr;
                int frames = 0;
                while (ring.next(int(r), data, frames)) {
                    // A stage that has failed goes on taking blocks, unread,
                    // so the renderer is never left waiting for it.
                    if (ok) {
                        try {
                            ok = sink->write(data, frames);
                        } catch (...) {
                            ok = false;
                        }
                        if (!ok) failed.store(true, std::memory_order_relaxed);
                    }
                    ring.done(int(r));
                }
            });
    }
    // The stages take what is in the ring, or, with `drop`, stop at once.
    void finish(bool drop) {
        if (finished_) return;
        finished_ = true;
        ring_.close(drop);
        for (std::thread& t : threads_)
            t.join();
    }
    ~StageThreads() { finish(true); }
    StageThreads(const StageThreads&) = delete;
    StageThreads& operator=(const StageThreads&) = delete;

private:
    BlockRing& ring_;
    std::vector<std::thread> threads_;
    bool finished_ = false;
};

} // namespace

RenderResult renderInStages(SessionRenderer& renderer, const std::vector<FrameSink*>& stages,
                            const std::atomic<bool>* cancel,
                            const std::function<void(std::int64_t)>& progress) {
    if (stages.empty()) {
        struct Nowhere : FrameSink {
            bool write(const float*, int) override { return true; }
        } nowhere;
        return renderer.run(nowhere, cancel, progress);
    }
    BlockRing ring(int(stages.size()));
    std::atomic<bool> failed{false};
    RingInput input(ring, failed);
    StageThreads threads(ring, stages, failed);
    RenderResult r = renderer.run(input, cancel, progress);
    threads.finish(r.status != RenderStatus::Complete);
    // A stage that failed on the last blocks, after the renderer was done.
    if (r.status == RenderStatus::Complete && failed.load()) r.status = RenderStatus::Failed;
    return r;
}

} // namespace vs::playback
