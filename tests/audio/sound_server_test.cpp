// SPDX-License-Identifier: GPL-3.0-or-later
// The sound server's view of the output: what the servers report of real
// outputs (PulseAudio's and PipeWire's spellings) read as stereo or not, and
// the question through libpulse giving up at once where no server listens.
// Where one does, what it said is printed.
#include "audio/sound_server.h"
#include "scripted_output_check.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>

using namespace vs::audio;

TEST(SoundServer, ReadsWhatTheServersReportOfRealOutputs) {
    struct Case {
        const char* what;
        SinkReport report;
        bool bluetooth, handsFree, stereo;
    };
    const Case cases[] = {
        {"analog, PipeWire",
         {"alsa_output.pci-0000_00_1f.3.analog-stereo", "Audio interno", 2, "pci", "alsa", "",
          "output:analog-stereo"},
         false,
         false,
         true},
        {"USB speaker, mono",
         {"alsa_output.usb-speaker.mono-fallback", "", 1, "usb", "alsa", "", ""},
         false,
         false,
         false},
        {"A2DP, PipeWire",
         {"bluez_output.74_D7_13_E4_27_D8.1", "", 2, "bluetooth", "bluez5", "a2dp-sink",
          "a2dp-sink-sbc_xq"},
         true,
         false,
         true},
        {"HFP, PipeWire",
         {"bluez_output.74_D7_13_E4_27_D8.1", "", 1, "bluetooth", "bluez5", "headset-head-unit",
          "headset-head-unit-msbc"},
         true,
         true,
         false},
        {"HSP, older PipeWire",
         {"bluez_output.x.hsp-hs", "", 1, "bluetooth", "bluez5", "hsp-hs", ""},
         true,
         true,
         false},
        {"HFP reported as two channels",
         {"bluez_output.x.2", "", 2, "bluetooth", "bluez5", "hfp-hf", ""},
         true,
         true,
         false},
        {"A2DP, PulseAudio",
         {"bluez_sink.9A_07_65_B4_21_EC.a2dp_sink", "", 2, "bluetooth", "", "a2dp_sink",
          "a2dp_sink"},
         true,
         false,
         true},
        {"HSP, PulseAudio",
         {"bluez_sink.00_16_94_31_8F_B3.headset_head_unit", "", 1, "", "", "headset_head_unit",
          "headset_head_unit"},
         true,
         true,
         false},
        {"HFP, PulseAudio 15",
         {"bluez_sink.00_16_94_31_8F_B3.handsfree_head_unit", "", 1, "bluetooth", "", "",
          "handsfree_head_unit"},
         true,
         true,
         false},
        // Not Bluetooth: a profile name alone decides nothing.
        {"wired headset jack",
         {"alsa_output.usb-headset", "", 2, "usb", "alsa", "", "headset-head-unit"},
         false,
         false,
         true},
    };
    for (const Case& c : cases) {
        const OutputFacts f = factsFrom(c.report);
        EXPECT_EQ(f.bluetooth, c.bluetooth) << c.what;
        EXPECT_EQ(f.handsFree, c.handsFree) << c.what;
        EXPECT_EQ(f.carriesStereo(), c.stereo) << c.what;
        EXPECT_EQ(f.channels, c.report.channels) << c.what;
    }
    ScriptedOutputCheck check;
    EXPECT_FALSE(check.ask());
    EXPECT_EQ(check.asked, 1);
}

TEST(SoundServer, NoServerMeansNoAnswerAtOnce) {
    vs::test::TempDir dir;
    // libpulse may write its cookie into the configuration folder.
    ::setenv("HOME", dir.path().c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    ::setenv("PULSE_SERVER", ("unix:" + dir.file("no-such-socket")).c_str(), 1);
    PulseOutputCheck check;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(check.ask());
    const auto took = std::chrono::steady_clock::now() - start;
    // Never beyond its budget (plus a wide margin for a loaded machine).
    EXPECT_LT(took, PulseOutputCheck::kBudget + std::chrono::seconds(2));
    std::cout << "no server: gave up after "
              << std::chrono::duration_cast<std::chrono::milliseconds>(took).count() << " ms\n";
}

TEST(SoundServer, SaysWhatThisMachinesServerAnswers) {
    vs::test::TempDir dir;
    ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    ::setenv("PULSE_COOKIE", dir.file("cookie").c_str(), 1);
    PulseOutputCheck check;
    const auto start = std::chrono::steady_clock::now();
    const std::optional<OutputFacts> f = check.ask();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, PulseOutputCheck::kBudget + std::chrono::seconds(2));
    if (!f) {
        std::cout << "sound server: none answered\n";
        return;
    }
    std::cout << "sound server: default sink \"" << f->sink << "\" (" << f->description << "), "
              << f->channels << " channels, " << (f->bluetooth ? "Bluetooth" : "not Bluetooth")
              << (f->profile.empty() ? "" : ", profile " + f->profile)
              << (f->carriesStereo() ? ": carries stereo" : ": cannot carry binaural beats")
              << "\n";
    EXPECT_FALSE(f->sink.empty());
    EXPECT_GT(f->channels, 0);
}
