// SPDX-License-Identifier: GPL-3.0-or-later
// The headphone check: the tone of each side in its own ear on the engine's
// output (and in the other once the channels are exchanged), and what the
// listener's answers say.
#include "../audio/audio_fixture.h"
#include "../audio/tone_analysis.h"
#include "playback/headphone_check.h"

#include <gtest/gtest.h>

#include <vector>
#include "recording_messages.h"

using namespace vs;
using namespace vs::playback;
using Heard = HeadphoneCheck::Heard;
using Verdict = HeadphoneCheck::Verdict;

namespace {

struct ToneLog : EarTone {
    std::vector<int> sounded; // 0 left, 1 right, -1 silence
    void sound(Ear ear) override { sounded.push_back(ear == Ear::Left ? 0 : 1); }
    void silence() override { sounded.push_back(-1); }
};

struct EarTones : test::OfflineEngine {};

} // namespace

TEST(HeadphoneCheck, TheAnswersForBothSidesGiveTheVerdict) {
    struct Case {
        Heard left, right;
        Verdict verdict;
        const char* says;
    };
    for (const Case c : {Case{Heard::There, Heard::There, Verdict::Correct, "Cada tono"},
                         Case{Heard::OtherSide, Heard::OtherSide, Verdict::Exchanged, "marque"},
                         Case{Heard::There, Heard::Nothing, Verdict::OneSide, "un lado"},
                         Case{Heard::Nothing, Heard::OtherSide, Verdict::OneSide, "un lado"},
                         Case{Heard::There, Heard::OtherSide, Verdict::SameSide, "mismo oído"},
                         Case{Heard::Nothing, Heard::Nothing, Verdict::Silent, "No suena"}}) {
        ToneLog tone;
        HeadphoneCheck check(tone);
        check.start();
        EXPECT_EQ(check.ear(), Ear::Left);
        check.answer(c.left);
        EXPECT_EQ(check.ear(), Ear::Right);
        EXPECT_EQ(check.verdict(), Verdict::Pending);
        check.answer(c.right);
        check.answer(Heard::There); // nothing more is asked
        EXPECT_TRUE(check.done());
        EXPECT_EQ(check.verdict(), c.verdict);
        EXPECT_NE(check.verdictText(false).find(c.says), std::string::npos)
            << check.verdictText(false);
        EXPECT_EQ(tone.sounded, (std::vector<int>{0, 1, -1}));
    }
    ToneLog tone;
    HeadphoneCheck check(tone);
    check.start();
    check.answer(Heard::OtherSide);
    check.answer(Heard::OtherSide);
    EXPECT_NE(check.verdictText(true).find("desmarque"), std::string::npos);
}

TEST_F(EarTones, TheChecksToneSoundsInItsEarAndInTheOtherOnceExchanged) {
    RecordingMessageService shown;
    EngineEarTone tone(engine(), shown);
    for (bool exchanged : {false, true}) {
        engine().setSwapChannels(exchanged);
        render(512); // past the exchange's glide
        for (Ear ear : {Ear::Left, Ear::Right}) {
            tone.sound(ear);
            const auto out = render(22050);
            const int heard = (ear == Ear::Left) != exchanged ? 0 : 1;
            SCOPED_TRACE(heard);
            EXPECT_NEAR(test::toneFrequency(test::channelOf(out, heard), 44100), 500, 0.01);
            EXPECT_NEAR(test::peak(test::channelOf(out, heard)), 0.1, 0.001);
            EXPECT_EQ(test::peak(test::channelOf(out, 1 - heard)), 0.0);
        }
    }
    tone.silence();
    EXPECT_EQ(test::peak(render(512)), 0.0);
    engine().setSwapChannels(false);
    EXPECT_TRUE(shown.entries.empty());
}
