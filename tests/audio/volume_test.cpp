// SPDX-License-Identifier: GPL-3.0-or-later
// The mixer volume: the system mixer where it has the line, the engine's own
// gains where it does not, and silence about every failure.
#include "audio/bass.h"
#include "audio/engine.h"
#include "audio/volume.h"

#include <gtest/gtest.h>
#include "recording_mixer.h"

using vs::audio::clsVolume;
using vs::audio::MixerLine;
using vs::audio::RecordingMixerBackend;

namespace {

struct GainsReset {
    ~GainsReset() {
        vs::audio::processEngine().setMasterGain(1);
        for (auto l : {vs::audio::Line::Wave, vs::audio::Line::Synth, vs::audio::Line::CD})
            vs::audio::processEngine().setLineGain(l, 1);
    }
};

} // namespace

TEST(MixerVolume, LinesTheSystemLacksFallBackToTheEngine) {
    GainsReset reset;
    auto system = std::make_unique<RecordingMixerBackend>();
    system->present = {true, false, true, false}; // Master and Synth only
    system->levels = {40000, 0, 123, 0};
    RecordingMixerBackend* sys = system.get();
    clsVolume vol(std::move(system), vs::audio::makeEngineMixer(vs::audio::processEngine()));

    EXPECT_EQ(vol.VolumeLevel(), 40000);
    EXPECT_EQ(vol.SynLevel(), 123);
    EXPECT_EQ(vol.WaveLevel(), 65535); // the engine's gain, untouched: full
    vol.setVolumeLevel(20000);
    vol.setSynLevel(70000); // clamped on the way
    vol.setWaveLevel(32768);
    vol.setCDLevel(-5);
    ASSERT_EQ(sys->writes.size(), 2u);
    EXPECT_EQ(sys->writes[0], std::make_pair(MixerLine::Master, 20000));
    EXPECT_EQ(sys->writes[1], std::make_pair(MixerLine::Synth, 65535));
    EXPECT_NEAR(vs::audio::processEngine().lineGain(vs::audio::Line::Wave), 0.5, 1e-4);
    EXPECT_EQ(vs::audio::processEngine().lineGain(vs::audio::Line::CD), 0.0f);
    EXPECT_EQ(vs::audio::processEngine().masterGain(), 1.0f); // the system mixer took the master
    EXPECT_EQ(vol.WaveLevel(), 32768);
    EXPECT_EQ(vol.CDLevel(), 0);
    EXPECT_EQ(vol.WaveMax(), 65535);
    EXPECT_EQ(vol.SynMax(), 65535);
    EXPECT_EQ(vol.CDMax(), 65535);
}

TEST(MixerVolume, WithoutAnyMixerEverythingIsTheEngines) {
    GainsReset reset;
    clsVolume vol(nullptr, vs::audio::makeEngineMixer(vs::audio::processEngine()));
    vol.setVolumeLevel(13107);
    EXPECT_NEAR(vs::audio::processEngine().masterGain(), 0.2, 1e-4);
    EXPECT_EQ(vol.VolumeLevel(), 13107);
    // A fade in 1/30 steps of a saved level lands on 0 and comes back whole.
    const int saved = 65535;
    for (int step = 1; step <= 30; ++step)
        vol.setVolumeLevel(int((100 - step * 100.0 / 30) * saved / 100 + 0.5));
    EXPECT_EQ(vol.VolumeLevel(), 0);
    vol.setVolumeLevel(saved);
    EXPECT_EQ(vs::audio::processEngine().masterGain(), 1.0f);
}

TEST(MixerVolume, FailedReadsGiveZeroAndNoLineMeansNoMaximum) {
    struct Broken : RecordingMixerBackend {
        bool read(MixerLine, std::int32_t& level) override {
            level = 999; // garbage that must not leak out
            return false;
        }
    };
    clsVolume vol(std::make_unique<Broken>(), nullptr);
    EXPECT_EQ(vol.VolumeLevel(), 0);
    EXPECT_EQ(vol.WaveLevel(), 0);
    EXPECT_EQ(vol.WaveMax(), 65535);

    clsVolume none(nullptr, nullptr);
    none.setWaveLevel(100);
    EXPECT_EQ(none.WaveLevel(), 0);
    EXPECT_EQ(none.WaveMax(), 0);
    EXPECT_EQ(none.SynMax(), 0);
    EXPECT_EQ(none.CDMax(), 0);
}

TEST(MixerVolume, AlsaWithoutTheCardHasNoLines) {
    auto alsa = vs::audio::makeAlsaMixer("hw:97");
    for (auto l : {MixerLine::Master, MixerLine::Wave, MixerLine::Synth, MixerLine::CD}) {
        EXPECT_FALSE(alsa->hasLine(l));
        std::int32_t v = 5;
        EXPECT_FALSE(alsa->read(l, v));
        EXPECT_FALSE(alsa->write(l, 100));
    }
    // The default mixer opens on any machine: through ALSA or through the engine.
    GainsReset reset;
    clsVolume vol(vs::audio::processEngine());
    EXPECT_EQ(vol.WaveMax(), 65535);
    EXPECT_GE(vol.VolumeLevel(), 0);
}
