// SPDX-License-Identifier: GPL-3.0-or-later
// Each shipped session played from start to end through the real player on a
// simulated clock: it runs its whole length, the tones stay in a comfortable
// range, the glasses follow a valid sequence, and the closing fade comes.
#include "playback/session_player.h"
#include "session/session_file.h"
#include "session/session_model.h"

#include "../playback/player_fakes.h"
#include "recording_messages.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

struct Shipped {
    const char* file;
    int minutes;
};

class DefaultSessionPlay : public ::testing::TestWithParam<Shipped> {};

} // namespace

TEST_P(DefaultSessionPlay, PlaysItsWholeLengthWithinComfortableRanges) {
    vs::RecordingMessageService shown;
    vs::ScopedMessageService installed(shown);
    vs::test::TempDir dir;
    const std::string copy = dir.file(GetParam().file);
    vs::test::writeFile(
        copy, vs::test::readFile(std::string(VS_SHIPPED_DATA_DIR) + "/" + GetParam().file));
    vs::session::SessionModel model;
    ASSERT_TRUE(vs::session::LeerSesion(model, copy));
    ASSERT_EQ(model.lengthSeconds(), GetParam().minutes * 60);

    vs::test::FakeView view;
    vs::test::FakeTones tones;
    vs::test::FakeMaster master;
    vs::test::FakeGlasses glasses;
    vs::test::FakeMusic music;
    vs::test::FakeClock clock;
    vs::playback::SessionPlayer player(model, view, tones, master, glasses, music, clock);
    player.setNivelMaestroGuardado(master.level); // as the start-up reads it
    player.Play();
    ASSERT_TRUE(player.playing());

    int ticks = 0;
    bool faded = false;
    std::set<int> sequences;
    double lowBase = 1e9, highBase = 0, lowBeat = 1e9, highBeat = 0;
    while (player.playing() && ticks < 2 * 60 * 60 * 2) {
        player.Tick();
        ++ticks;
        faded = faded || player.fading();
        if (player.playing()) {
            const double base = tones.l.rate / 44.1;
            const double beat = tones.r.rate / 44.1 - base;
            lowBase = std::min(lowBase, base);
            highBase = std::max(highBase, base);
            lowBeat = std::min(lowBeat, beat);
            highBeat = std::max(highBeat, beat);
            sequences.insert(glasses.secuencia);
        }
        clock.now += 500;
    }
    // Two ticks a second; it ends when the cursor reaches the last point.
    EXPECT_NEAR(ticks, 2 * 60 * GetParam().minutes, 3);
    EXPECT_FALSE(player.playing());
    EXPECT_TRUE(faded);
    EXPECT_GE(lowBase, 90);
    EXPECT_LE(highBase, 260);
    EXPECT_GE(lowBeat, 1.0);
    EXPECT_LE(highBeat, 15.5);
    EXPECT_GE(sequences.size(), 3u); // the light changes with the bands
    for (int s : sequences)
        EXPECT_TRUE(s >= 1 && s <= 7) << s;
    EXPECT_EQ(master.level, 60000); // Stop put the master back
    EXPECT_TRUE(shown.entries.empty());
}

INSTANTIATE_TEST_SUITE_P(Shipped, DefaultSessionPlay,
                         ::testing::Values(Shipped{"Relajación.vso", 25}, Shipped{"Sueño.vso", 30},
                                           Shipped{"Meditación profunda.vso", 20}),
                         [](const auto& info) {
                             return std::string(info.param.minutes == 25   ? "Relajacion"
                                                : info.param.minutes == 30 ? "Sueno"
                                                                           : "Meditacion");
                         });
