// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stands in for a sound card: the test turns the crank of the callback, on
// its own thread, as the device would. Install it with
// vs::audio::setOutputFactory([] { return std::make_unique<CrankedOutput>(); }).
//
// The devices it offers are `devices_` (the default, "", always opens while
// `opens`); taking a name out of the list unplugs that device: the output
// open on it reports itself lost and its callback is no longer turned.
#include "audio/audio_output.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vs::test {

class CrankedOutput : public vs::audio::AudioOutput {
public:
    static inline Render render = nullptr;
    static inline void* context = nullptr;
    static inline bool opens = true;
    static inline bool paused = true;
    static inline std::vector<std::string> devices_{};
    static inline std::string opened; // the name the last open took
    static inline int opensCount = 0;
    static inline int deviceChannels = 2;

    // Back to a machine with one default device and nothing opened.
    static void reset() {
        render = nullptr;
        context = nullptr;
        opens = true;
        paused = true;
        devices_.clear();
        opened.clear();
        opensCount = 0;
        deviceChannels = 2;
    }

    std::vector<std::string> devices() override { return devices_; }
    bool open(const std::string& name, Render r, void* c) override {
        if (!opens || (!name.empty() && !listed(name))) return false;
        render = r;
        context = c;
        name_ = name;
        opened = name;
        ++opensCount;
        return true;
    }
    void setPaused(bool p) override { paused = p; }
    void close() override { render = nullptr; }
    int channels() const override { return deviceChannels; }
    bool lost() const override { return !name_.empty() && !listed(name_); }
    // One callback of `frames` frames of interleaved stereo.
    static void crank(float* out, int frames) { render(context, out, frames); }

private:
    static bool listed(const std::string& name) {
        return std::find(devices_.begin(), devices_.end(), name) != devices_.end();
    }
    std::string name_;
};

} // namespace vs::test
