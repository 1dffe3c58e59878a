// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An engine in "no sound" mode over a temporary program folder holding the
// three tone wave files; the mix is pulled with renderOffline.
#include "audio/bass.h"
#include "audio/engine.h"
#include "playback/tone_waves.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <vector>

namespace vs::test {

class OfflineEngine : public ::testing::Test {
protected:
    void SetUp() override {
        dir.becomeProgramFolders();
        ASSERT_TRUE(vs::playback::PrepararOndas(dir.path()));
        ASSERT_NE(BASS_Init(0, 44100, 0x20, nullptr), 0u);
    }
    void TearDown() override {
        BASS_Free();
        vs::audio::processEngine().setMasterGain(1);
        for (auto l : {vs::audio::Line::Wave, vs::audio::Line::Synth, vs::audio::Line::CD})
            vs::audio::processEngine().setLineGain(l, 1);
    }
    // The engine the BASS_* operations drive.
    static vs::audio::Engine& engine() { return vs::audio::processEngine(); }
    // Interleaved stereo.
    static std::vector<float> render(int frames) {
        std::vector<float> out(std::size_t(frames) * 2);
        vs::audio::processEngine().renderOffline(out.data(), frames);
        return out;
    }
    std::uint32_t loadTone(const std::string& path, std::uint32_t flags = 0) {
        return BASS_SampleLoad(0, path.c_str(), 0, 0, 1, flags | vs::audio::kSampleTakeOldest);
    }

    TempDir dir;
};

} // namespace vs::test
