// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The source of a Synth or CD line whose sound a worker thread makes ahead
// (FluidSynth, libcdio: both lock and allocate, so neither may run in the
// callback). The worker writes interleaved float stereo into the ring and sets
// `complete` once everything is in it; the audio thread drains the ring and
// sets `drained` when the ring ran dry after that, which is the end of the song
// or track as a listener hears it.
#include "engine.h"
#include "spsc_queue.h"

#include <atomic>
#include <cstddef>

namespace vs::audio {

class FedLine final : public LineSource {
public:
    static_assert(std::atomic<bool>::is_always_lock_free);

    explicit FedLine(std::size_t samples) : ring(samples) {}

    SpscRing<float> ring;
    std::atomic<bool> complete{false}; // worker: everything there will be is in the ring
    std::atomic<bool> drained{false};  // audio thread: ...and all of it has been played

    // Audio thread.
    void render(float* out, int frames) noexcept override {
        // The flag before the ring: whatever was in it by then is read now.
        const bool done = complete.load(std::memory_order_acquire);
        const std::size_t want = std::size_t(frames) * 2;
        if (ring.read(out, want) < want && done) drained.store(true, std::memory_order_release);
    }
    // Audio thread (the offline render, which waits rather than play a gap).
    bool buffered(int frames) const noexcept override {
        return complete.load(std::memory_order_acquire) ||
               ring.readAvailable() >= std::size_t(frames) * 2;
    }
};

} // namespace vs::audio
