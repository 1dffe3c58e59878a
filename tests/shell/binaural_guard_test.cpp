// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/binaural_guard.h"

#include <gtest/gtest.h>

#include <optional>
#include "recording_messages.h"

using namespace vs;
using playback::PulseType;

namespace {

audio::OutputFacts facts(int channels, bool handsFree) {
    audio::OutputFacts f;
    f.description = "Auricular BT";
    f.channels = channels;
    f.handsFree = handsFree;
    f.bluetooth = handsFree;
    return f;
}

} // namespace

TEST(BinauralGuard, AnOutputWithoutTwoEarsIsSaidOnceAndTheIsochronicPulseOffered) {
    struct Case {
        PulseType stored;
        bool tones;
        int channels;
        std::optional<audio::OutputFacts> server;
        bool yes;
        bool asked;
        PulseType played;
    };
    const std::optional<audio::OutputFacts> none;
    for (const Case& c : {
             Case{PulseType::Binaural, true, 2, facts(2, false), true, false, PulseType::Binaural},
             Case{PulseType::Binaural, true, 0, none, true, false, PulseType::Binaural},
             Case{PulseType::Binaural, true, 1, none, true, true, PulseType::Isochronic},
             Case{PulseType::Binaural, true, 2, facts(1, true), false, true, PulseType::Binaural},
             Case{PulseType::Binaural, true, 0, facts(1, false), true, true, PulseType::Isochronic},
             Case{PulseType::Binaural, false, 1, none, true, false, PulseType::Binaural},
             Case{PulseType::Monaural, true, 1, none, true, false, PulseType::Monaural},
         }) {
        RecordingMessageService shown;
        shown.answers = {c.yes};
        shell::BinauralGuard guard(shown);
        playback::SoundChoice stored;
        stored.pulse = c.stored;
        EXPECT_EQ(guard.atPlay(stored, c.tones, c.channels, c.server).pulse, c.played);
        ASSERT_EQ(shown.count(RecordingMessageService::Entry::Question), c.asked ? 1 : 0);
        if (c.asked) {
            EXPECT_NE(shown.entries[0].text.find("auriculares estéreo"), std::string::npos);
            // Once a run, whatever the answer; the pulse taken holds for the run.
            EXPECT_EQ(guard.atPlay(stored, c.tones, c.channels, c.server).pulse, c.played);
            EXPECT_EQ(shown.entries.size(), 1u);
            EXPECT_EQ(guard.current(stored).pulse, c.played);
            stored.pulse = PulseType::Monaural; // a choice of the listener's own stands
            EXPECT_EQ(guard.current(stored).pulse, PulseType::Monaural);
        }
    }
}
