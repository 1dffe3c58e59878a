// SPDX-License-Identifier: GPL-3.0-or-later
// Audio CD tracks read from a CUE/BIN image and heard on the engine's CD line
// through the offline render.
#include "audio/audio_output.h"
#include "audio/bass.h"
#include "audio/cd.h"
#include "audio/engine.h"
#include "audio_fixture.h"
#include "cd_image.h"
#include "cranked_output.h"
#include "temp_dir.h"
#include "tone_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>
#include <thread>

namespace vs::test {
namespace {

using vs::audio::kCdFramesPerSector;
using vs::audio::Line;

constexpr std::uint32_t kNoLength = 0xFFFFFFFF;
constexpr double kRate = 44100;

// Three tracks; the second is 2.5 s, which is 187.5 sectors and so rounds to
// 188: its length in ms is not a whole multiple of 1/75 s of the request.
const std::vector<CdImageTrack> kTracks = {{440, 3.0}, {1000, 2.5, 0.5}, {2000, 1.0, 0.25}};

std::int64_t trackFrames(int index) {
    return std::int64_t(cdSectors(kTracks[std::size_t(index)].seconds)) * kCdFramesPerSector;
}

std::vector<float> slice(const std::vector<float>& x, std::size_t from, std::size_t count) {
    return {x.begin() + std::ptrdiff_t(from), x.begin() + std::ptrdiff_t(from + count)};
}

class CdImage : public OfflineEngine {
protected:
    void SetUp() override {
        OfflineEngine::SetUp();
        cue = writeCdImage(dir.path(), kTracks);
        ASSERT_NE(BASS_CDInit(cue.c_str(), 0x20), 0u);
    }
    void TearDown() override {
        BASS_CDFree();
        OfflineEngine::TearDown();
    }
    std::string cue;
};

TEST_F(CdImage, ListsAudioTracksWithLengthsToTheSector) {
    const auto tracks = vs::audio::cdAudioTracks(cue);
    ASSERT_EQ(tracks.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(tracks[std::size_t(i)].number, i + 1);
        EXPECT_EQ(tracks[std::size_t(i)].lengthMs,
                  std::llround(double(cdSectors(kTracks[std::size_t(i)].seconds)) * 1000 / 75));
    }
    EXPECT_EQ(BASS_CDGetTrackLength(1), 3000u);
    EXPECT_EQ(BASS_CDGetTrackLength(2), 2507u); // 188 sectors = 2506.67 ms
    EXPECT_EQ(BASS_CDGetTrackLength(3), 1000u);
    EXPECT_EQ(BASS_CDGetTrackLength(0), kNoLength);
    EXPECT_EQ(BASS_CDGetTrackLength(4), kNoLength);
    EXPECT_EQ(BASS_CDGetTrackLength(256 + 2), kNoLength); // not truncated to track 2
}

TEST_F(CdImage, PlaysTheTrackOnTheCdLineAtItsLevel) {
    ASSERT_NE(BASS_CDPlay(1, 0, 1), 0u);
    ASSERT_NE(BASS_CDPlay(2, 0, 1), 0u); // replaces track 1
    EXPECT_EQ(BASS_ChannelIsActive(0), vs::audio::kPlaying);
    // The wave line carries samples and streams, not the CD.
    vs::audio::processEngine().setLineGain(Line::Wave, 0);

    const auto full = render(22050);
    for (int ch = 0; ch < 2; ++ch) {
        const auto x = channelOf(full, ch);
        EXPECT_NEAR(toneFrequency(x, kRate), 1000.0, 0.05);
        const SineFit fit = fitSine(x, 1000.0, kRate);
        EXPECT_NEAR(fit.amplitude, 0.5, 0.002);
        EXPECT_LT(fit.thdnDb(), -80);
    }

    vs::audio::processEngine().setLineGain(Line::CD, 0.25f);
    render(1024); // the gain glides over one block
    const SineFit quiet = fitSine(channelOf(render(8192), 0), 1000.0, kRate);
    EXPECT_NEAR(quiet.amplitude, 0.125, 0.001);
}

// wait 0 returns before anything is read; the offline render still waits
// for the reader, so the track arrives whole from its first sample and ends
// exactly after its last.
TEST_F(CdImage, RendersTheWholeTrackGaplessAndThenGoesInactive) {
    ASSERT_NE(BASS_CDPlay(2, 0, 0), 0u);
    const std::int64_t n = trackFrames(1);
    const auto out = render(int(n) + 4096);
    const double w = 2 * std::numbers::pi * 1000.0 / kRate;
    double worst = 0;
    for (std::int64_t i = 0; i < n; ++i) {
        const double expected = std::lround(std::sin(w * double(i)) * 0.5 * 32767.0) / 32768.0;
        worst = std::max(worst, std::abs(out[std::size_t(2 * i)] - expected));
        worst = std::max(worst, std::abs(out[std::size_t(2 * i + 1)] - expected));
    }
    EXPECT_LT(worst, 1e-6);
    EXPECT_EQ(peak(slice(out, std::size_t(2 * n), 2 * 4096)), 0.0);
    EXPECT_EQ(BASS_ChannelIsActive(0), vs::audio::kInactive);
    EXPECT_EQ(BASS_ChannelStop(0), 1u); // still there to release
}

TEST_F(CdImage, StaysActiveUntilTheEndAndStopSilencesIt) {
    ASSERT_NE(BASS_CDPlay(2, 0, 1), 0u);
    render(int(trackFrames(1)) - 4096);
    EXPECT_EQ(BASS_ChannelIsActive(0), vs::audio::kPlaying);
    EXPECT_EQ(BASS_ChannelStop(0), 1u);
    EXPECT_EQ(BASS_ChannelIsActive(0), vs::audio::kInactive);
    EXPECT_EQ(peak(render(8192)), 0.0);
    EXPECT_EQ(BASS_ChannelStop(0), 0u);
    // The CD system is still ready for the next track.
    ASSERT_NE(BASS_CDPlay(3, 0, 1), 0u);
    EXPECT_NEAR(toneFrequency(channelOf(render(8192), 0), kRate), 2000.0, 0.2);
}

TEST_F(CdImage, LoopStartsTheTrackAgainWithoutAGap) {
    ASSERT_NE(BASS_CDPlay(3, 1, 1), 0u);
    const auto n = std::size_t(trackFrames(2));
    const auto out = render(int(n * 5 / 2));
    EXPECT_EQ(BASS_ChannelIsActive(0), vs::audio::kPlaying);
    double worst = 0;
    for (std::size_t i = 0; i < 2 * n; ++i)
        worst = std::max(worst, double(std::abs(out[i] - out[i + 2 * n])));
    EXPECT_EQ(worst, 0.0);
    EXPECT_NEAR(fitSine(channelOf(slice(out, 2 * n - 4096, 8192), 0), 2000.0, kRate).amplitude,
                0.25, 0.002);
}

TEST_F(CdImage, FreeWhilePlayingStopsTheTrackAndForgetsTheDrive) {
    ASSERT_NE(BASS_CDPlay(1, 1, 1), 0u);
    render(4096);
    EXPECT_NE(BASS_CDFree(), 0u);
    EXPECT_EQ(BASS_ChannelIsActive(0), vs::audio::kInactive);
    EXPECT_EQ(peak(render(4096)), 0.0);
    EXPECT_EQ(BASS_CDGetTrackLength(1), kNoLength);
    EXPECT_EQ(BASS_CDPlay(1, 0, 1), 0u);
    EXPECT_NE(BASS_CDFree(), 0u); // again: harmless
}

TEST_F(CdImage, EngineFreeStopsTheTrack) {
    ASSERT_NE(BASS_CDPlay(1, 1, 1), 0u);
    BASS_Free();
    EXPECT_EQ(BASS_ChannelIsActive(0), vs::audio::kInactive);
    ASSERT_NE(BASS_Init(0, 44100, 0x20, nullptr), 0u);
    EXPECT_EQ(BASS_ChannelIsActive(0), vs::audio::kInactive);
    EXPECT_EQ(peak(render(4096)), 0.0);
    // The CD system outlives the engine.
    EXPECT_EQ(BASS_CDGetTrackLength(3), 1000u);
}

TEST_F(CdImage, ReinitOnAnotherDiscStopsTheTrackAndReadsTheNewOne) {
    ASSERT_NE(BASS_CDPlay(1, 1, 1), 0u);
    std::filesystem::create_directory(dir.file("other"));
    const auto other = writeCdImage(dir.file("other"), {{300, 0.6}});
    ASSERT_NE(BASS_CDInit(other.c_str(), 0), 0u);
    EXPECT_EQ(BASS_ChannelIsActive(0), vs::audio::kInactive);
    EXPECT_EQ(BASS_CDGetTrackLength(1), 600u);
    EXPECT_EQ(BASS_CDGetTrackLength(2), kNoLength);
}

// An enhanced disc: audio first, then a data track, which is neither listed
// nor played, and whose sectors stay out of the audio track's length.
TEST_F(CdImage, LeavesDataTracksOut) {
    std::string sheet = readFile(cue);
    const auto at = sheet.find("TRACK 02 AUDIO");
    ASSERT_NE(at, std::string::npos);
    sheet.replace(at, 14, "TRACK 02 MODE1/2352");
    writeFile(cue, sheet);
    ASSERT_NE(BASS_CDInit(cue.c_str(), 0), 0u);

    const auto tracks = vs::audio::cdAudioTracks(cue);
    ASSERT_EQ(tracks.size(), 2u);
    EXPECT_EQ(tracks[0].number, 1);
    EXPECT_EQ(tracks[1].number, 3);
    EXPECT_EQ(BASS_CDGetTrackLength(1), 3000u);
    EXPECT_EQ(BASS_CDGetTrackLength(2), kNoLength);
    EXPECT_EQ(BASS_CDPlay(2, 0, 1), 0u);
    EXPECT_EQ(BASS_ChannelIsActive(0), vs::audio::kInactive);
}

class CdFailures : public OfflineEngine {
protected:
    void TearDown() override {
        BASS_CDFree();
        OfflineEngine::TearDown();
    }
    // Nothing plays and nothing is measured.
    static void expectNoCd() {
        EXPECT_EQ(BASS_CDGetTrackLength(1), kNoLength);
        EXPECT_EQ(BASS_CDPlay(1, 0, 1), 0u);
        EXPECT_EQ(BASS_ChannelIsActive(0), vs::audio::kInactive);
        EXPECT_EQ(BASS_ChannelStop(0), 0u);
    }
};

TEST_F(CdFailures, FirstDriveOnAMachineWithoutOneIsReadyButHasNoDisc) {
    if (!vs::audio::cdDrives().empty()) GTEST_SKIP() << "this machine has a CD drive";
    EXPECT_NE(BASS_CDInit("", 0x20), 0u);
    EXPECT_NE(BASS_CDInit(nullptr, 0x20), 0u);
    expectNoCd();
    EXPECT_TRUE(vs::audio::cdAudioTracks("").empty());
}

TEST_F(CdFailures, UnreadableDrivesFailToInitialise) {
    writeFile(dir.file("garbage.cue"), "this is no cue sheet\n\x01\x02 TRACK zz AUDIO\n");
    writeFile(dir.file("plain.bin"), std::string(2352 * 10, '\0'));
    writeFile(dir.file("nobin.cue"), "FILE \"gone.bin\" BINARY\n  TRACK 01 AUDIO\n"
                                     "    INDEX 01 00:00:00\n");
    for (const std::string& name :
         {dir.file("missing.cue"), dir.file("garbage.cue"), dir.file("nobin.cue"),
          dir.file("plain.bin"), dir.path(), std::string("/dev/null")}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(BASS_CDInit(name.c_str(), 0x20), 0u);
        expectNoCd();
        EXPECT_TRUE(vs::audio::cdAudioTracks(name).empty());
    }
}

TEST_F(CdFailures, ImageRemovedAfterInitFailsCleanly) {
    const auto cue = writeCdImage(dir.path(), kTracks);
    ASSERT_NE(BASS_CDInit(cue.c_str(), 0), 0u);
    std::filesystem::remove(dir.file("disc.bin"));
    std::filesystem::remove(cue);
    expectNoCd();
}

// With a device the callback never waits: wait 1 has the track's start in
// the ring before BASS_CDPlay returns, and the reader keeps ahead of a
// callback that asks at the device's pace until the track has played out.
TEST(CdOnADevice, StartsBufferedAndEndsWhenPlayedOut) {
    TempDir dir;
    const auto cue = writeCdImage(dir.path(), kTracks);
    vs::audio::setOutputFactory([] { return std::make_unique<CrankedOutput>(); });
    ASSERT_NE(BASS_Init(-1, 44100, 0x20, nullptr), 0u);
    ASSERT_NE(BASS_CDInit(cue.c_str(), 0x20), 0u);
    ASSERT_NE(BASS_CDPlay(2, 0, 1), 0u);

    constexpr int kCallback = 441;
    std::vector<float> start(2 * 11025);
    for (int i = 0; i < 11025; i += kCallback)
        CrankedOutput::crank(&start[std::size_t(2 * i)], kCallback);
    const double w = 2 * std::numbers::pi * 1000.0 / kRate;
    double worst = 0;
    for (std::size_t i = 0; i < 11025; ++i) {
        const double expected = std::lround(std::sin(w * double(i)) * 0.5 * 32767.0) / 32768.0;
        worst = std::max(worst, std::abs(start[2 * i] - expected));
    }
    EXPECT_LT(worst, 1e-6);

    // 10 ms of sound per millisecond slept: far faster than a device, yet
    // slow enough for the reader. A generous bound, not a timing check.
    std::vector<float> block(2 * kCallback);
    int callbacks = 0;
    while (BASS_ChannelIsActive(0) == vs::audio::kPlaying && callbacks < 100000) {
        CrankedOutput::crank(block.data(), kCallback);
        ++callbacks;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(BASS_ChannelIsActive(0), vs::audio::kInactive);
    EXPECT_GE(std::int64_t(callbacks) * kCallback, trackFrames(1) - 11025);
    BASS_CDFree();
    BASS_Free();
    vs::audio::setOutputFactory(nullptr);
}

// Measuring works without the engine; playing needs it.
TEST(CdWithoutEngine, MeasuresButDoesNotPlay) {
    TempDir dir;
    const auto cue = writeCdImage(dir.path(), kTracks);
    ASSERT_NE(BASS_CDInit(cue.c_str(), 0x20), 0u);
    EXPECT_EQ(BASS_CDGetTrackLength(3), 1000u);
    EXPECT_EQ(BASS_CDPlay(3, 0, 1), 0u);
    EXPECT_EQ(BASS_CDPlay(3, 0, 0), 0u);
    EXPECT_EQ(BASS_ChannelIsActive(0), vs::audio::kInactive);
    EXPECT_EQ(BASS_ChannelStop(0), 0u);
    EXPECT_NE(BASS_CDFree(), 0u);
}

} // namespace
} // namespace vs::test
