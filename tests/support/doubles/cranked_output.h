// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stands in for a sound card: the test turns the crank of the callback, on
// its own thread, as the device would. Install it with
// vs::audio::setOutputFactory([] { return std::make_unique<CrankedOutput>(); }).
#include "audio/audio_output.h"

namespace vs::test {

class CrankedOutput : public vs::audio::AudioOutput {
public:
    static inline Render render = nullptr;
    static inline void* context = nullptr;
    static inline bool opens = true;
    static inline bool paused = true;
    bool open(int, Render r, void* c) override {
        if (!opens) return false;
        render = r;
        context = c;
        return true;
    }
    void setPaused(bool p) override { paused = p; }
    void close() override { render = nullptr; }
    // One callback of `frames` frames of interleaved stereo.
    static void crank(float* out, int frames) { render(context, out, frames); }
};

} // namespace vs::test
