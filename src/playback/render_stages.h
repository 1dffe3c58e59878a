// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A render run as a pipeline: the calling thread renders, and every stage
// (the file's writer, the verification) takes the frames on a thread of its
// own, so a two-core machine encodes one block while it renders the next.
// Between them one ring of fixed blocks, written by the renderer and read by
// each stage in turn: memory stays the same whatever the length, and a
// stage that falls behind holds the renderer back rather than letting the
// blocks pile up.
//
// Thread rule: one call at a time, any thread; each stage's sink is called
// only from its own thread, and only while the call runs.
#include "playback/session_render.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace vs::playback {

// Renders `renderer` into every sink of `stages`, each on its own thread.
// A stage whose write fails stops the render (the result is a failure; the
// stage has its own reason); the other stages see no more frames once the
// render has stopped for a cancel or a failure.
RenderResult renderInStages(SessionRenderer& renderer, const std::vector<FrameSink*>& stages,
                            const std::atomic<bool>* cancel = nullptr,
                            const std::function<void(std::int64_t done)>& progress = {});

} // namespace vs::playback
