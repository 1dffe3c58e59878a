// SPDX-License-Identifier: GPL-3.0-or-later
// The tone wave files, byte for byte.
#include "audio/bass.h"
#include "audio/bass_sample.h"
#include "base/paths.h"
#include "base/services.h"
#include "playback/tone_waves.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <set>
#include "recording_messages.h"

using namespace vs::playback;

namespace {

std::uint32_t u32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int k = 3; k >= 0; --k)
        v = (v << 8) | std::uint8_t(b[at + std::size_t(k)]);
    return v;
}
std::uint16_t u16(const std::string& b, std::size_t at) {
    return std::uint16_t(std::uint8_t(b[at]) | (std::uint8_t(b[at + 1]) << 8));
}
int left(const std::string& b, int frame) {
    return std::int16_t(u16(b, 44 + 4 * std::size_t(frame)));
}
int right(const std::string& b, int frame) {
    return std::int16_t(u16(b, 46 + 4 * std::size_t(frame)));
}

class ToneWaves : public ::testing::Test {
protected:
    void SetUp() override {
        dir.becomeProgramFolders();
        ASSERT_TRUE(PrepararOndas());
        l = vs::test::readFile(dir.file("OndaL.wav"));
        r = vs::test::readFile(dir.file("OndaR.wav"));
        m = vs::test::readFile(dir.file("OndaM.wav"));
    }
    vs::test::TempDir dir;
    std::string l, r, m;
};

} // namespace

TEST_F(ToneWaves, EveryFileHasTheCanonicalHeader) {
    EXPECT_EQ(rutasOndas().left, vs::programFolder() + "/OndaL.wav");
    EXPECT_EQ(rutasOndas().right, vs::programFolder() + "/OndaR.wav");
    EXPECT_EQ(rutasOndas().mask, vs::programFolder() + "/OndaM.wav");
    for (const std::string* f : {&l, &r, &m}) {
        ASSERT_EQ(f->size(), 176444u);
        EXPECT_EQ(f->substr(0, 4), "RIFF");
        EXPECT_EQ(u32(*f, 4), 176436u);
        EXPECT_EQ(f->substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(u32(*f, 16), 16u);
        EXPECT_EQ(u16(*f, 20), 1);
        EXPECT_EQ(u16(*f, 22), 2);
        EXPECT_EQ(u32(*f, 24), 44100u);
        EXPECT_EQ(u32(*f, 28), 176400u);
        EXPECT_EQ(u16(*f, 32), 4);
        EXPECT_EQ(u16(*f, 34), 16);
        EXPECT_EQ(f->substr(36, 4), "data");
        EXPECT_EQ(u32(*f, 40), 176400u);
    }
}

TEST_F(ToneWaves, ToneValuesRoundTowardsMinusInfinity) {
    const std::pair<int, int> known[] = {{0, 0},      {1, 4651},    {2, 9209},
                                         {11, 32759}, {33, -32759}, {44, -467}};
    for (auto [frame, value] : known) {
        EXPECT_EQ(left(l, frame), value) << frame;
        EXPECT_EQ(right(l, frame), 0) << frame;
    }
    for (int i = 0; i < kWaveFrames; ++i) {
        ASSERT_EQ(left(r, i), 0) << i;
        ASSERT_EQ(right(r, i), left(l, i)) << i;
        ASSERT_EQ(right(l, i), 0) << i;
    }
}

TEST_F(ToneWaves, ToneLoopsWithoutASeam) {
    // 1000 whole cycles: the step from the last frame back to the first is like any other.
    const int wrap = left(l, 0) - left(l, kWaveFrames - 1);
    EXPECT_GT(wrap, 0);
    EXPECT_LT(wrap, left(l, 1) - left(l, 0) + 2);
    int crossings = 0;
    for (int i = 1; i < kWaveFrames; ++i)
        crossings += left(l, i - 1) < 0 && left(l, i) >= 0;
    EXPECT_EQ(crossings, 999); // the 1000th rising crossing is frame 0 of the next loop
}

TEST_F(ToneWaves, NoiseStaysInItsRangesAndChangesEveryRun) {
    int leftMax = 0, rightMin = 0;
    for (int i = 0; i < kWaveFrames; ++i) {
        ASSERT_GE(left(m, i), 0);
        ASSERT_LE(left(m, i), 15239);
        ASSERT_LE(right(m, i), 0);
        ASSERT_GE(right(m, i), -15239);
        leftMax = std::max(leftMax, left(m, i));
        rightMin = std::min(rightMin, right(m, i));
    }
    EXPECT_GT(leftMax, 15000); // it spans the range, not a corner of it
    EXPECT_LT(rightMin, -15000);
    ASSERT_TRUE(CrearOnda("OndaM", 0));
    EXPECT_NE(vs::test::readFile(dir.file("OndaM.wav")), m);
}

TEST_F(ToneWaves, AStaleLongerFileIsReplacedWhole) {
    vs::test::writeFile(dir.file("OndaL.wav"), std::string(300000, 'x'));
    vs::test::writeFile(dir.file("OndaR.wav"), std::string(300000, 'x'));
    ASSERT_TRUE(PrepararOndas());
    EXPECT_EQ(vs::test::readFile(dir.file("OndaL.wav")), l);
    EXPECT_EQ(vs::test::readFile(dir.file("OndaR.wav")), r);
    EXPECT_FALSE(CrearOnda("OndaX", 1000));
    // Whatever name the temporary files had, none is left: the folder holds
    // the three waves and nothing else of theirs.
    std::set<std::string> names;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir.path()))
        if (e.is_regular_file() && e.path().filename().string().find("Onda") != std::string::npos)
            names.insert(e.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"OndaL.wav", "OndaM.wav", "OndaR.wav"}));
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir.path()))
        EXPECT_NE(e.path().extension(), ".tmp") << e.path();
}

TEST_F(ToneWaves, AFolderThatCannotBeWrittenFailsWithoutLeftovers) {
    // A plain file where the folder should be: nothing can be created in it,
    // even by root.
    const std::string notAFolder = dir.file("no-carpeta");
    vs::test::writeFile(notAFolder, "x");
    EXPECT_FALSE(PrepararOndas(notAFolder));
    EXPECT_FALSE(CrearOnda(notAFolder, "OndaM", 0));
    EXPECT_EQ(vs::test::readFile(notAFolder), "x");
    EXPECT_EQ(rutasOndas().left, notAFolder + "/OndaL.wav");
}

TEST_F(ToneWaves, LoadedIntoThePlayersAndDeletedAtExit) {
    vs::RecordingMessageService shown;
    vs::setMessageService(&shown);
    ASSERT_NE(BASS_Init(0, 44100, 0x20, nullptr), 0u);
    {
        vs::audio::Engine& engine = vs::audio::processEngine();
        vs::audio::BassSample a(engine), b(engine), c(engine);
        CargarOndas(a, b, c);
        EXPECT_TRUE(a.FileLoaded() && b.FileLoaded() && c.FileLoaded());
        const auto first = a.sample();
        CargarOndas(a, b, c); // every Play reloads; nothing piles up
        EXPECT_FALSE(engine.stopSample(first));
        a.Play(5, std::nullopt, 8820, std::nullopt, true);
        EXPECT_TRUE(a.Playing());

        BorrarOndas();
        for (const char* f : {"OndaL.wav", "OndaR.wav", "OndaM.wav"})
            EXPECT_FALSE(vs::fileExists(dir.file(f))) << f;
        BorrarOndas(); // nothing left to delete is no error
        CargarOndas(a, b, c);
        EXPECT_EQ(shown.count(vs::RecordingMessageService::Entry::Critical), 3);
        EXPECT_FALSE(a.FileLoaded());
    }
    BASS_Free();
    vs::setMessageService(nullptr);
}
