// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the default output can carry binaural beats: the sound server's
// default sink, its channel count and whether it is a Bluetooth headset in
// its hands-free (HFP) or headset (HSP) profile, which is mono and narrowband
// whatever the sink says. Asked through libpulse, which both PulseAudio and
// PipeWire's Pulse service answer; where no server answers within the budget
// (none runs, as on a build machine, or it hangs) there is no answer, and the
// caller says nothing.
//
// Thread rule: ask() blocks its caller for at most the budget (1 s): call it
// on a worker thread, never where the UI would freeze. Each call opens and
// closes its own connection, so calls on different threads do not meet.
// Like any libpulse client it may create the server's cookie file in the
// user's configuration folder.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace vs::audio {

struct OutputFacts {
    std::string sink;        // the default sink's name
    std::string description; // as the sound server shows it to the user
    int channels = 0;
    bool bluetooth = false;
    std::string profile;    // Bluetooth: the active profile (the card's, else the sink's own)
    bool handsFree = false; // Bluetooth in a hands-free or headset profile
    bool carriesStereo() const { return channels >= 2 && !handsFree; }
};

// What the server reports of the default sink and its card, as read.
struct SinkReport {
    std::string name, description;
    int channels = 0;
    std::string deviceBus; // "device.bus": "bluetooth", "pci", "usb"...
    std::string deviceApi; // "device.api": "bluez5", "alsa"...
    // "api.bluez5.profile" (PipeWire), else "bluetooth.protocol" (PulseAudio).
    std::string sinkProfile;
    std::string cardProfile; // the card's active profile; empty without a card
};

// Profile names of the hands-free and headset profiles, either server's
// spelling: "headset_head_unit", "handsfree_head_unit" (PulseAudio),
// "headset-head-unit[-cvsd|-msbc]", "hsp-hs", "hfp-hf" and the audio-gateway
// forms (PipeWire).
bool isHandsFreeProfile(std::string_view profile);
OutputFacts factsFrom(const SinkReport& report);

class OutputCheck {
public:
    virtual ~OutputCheck() = default;
    // The default output's facts, or nothing when no server answered in time.
    virtual std::optional<OutputFacts> ask() = 0;
};

class PulseOutputCheck final : public OutputCheck {
public:
    static constexpr std::chrono::milliseconds kBudget{1000};
    explicit PulseOutputCheck(std::chrono::milliseconds budget = kBudget) : budget_(budget) {}
    std::optional<OutputFacts> ask() override;

private:
    std::chrono::milliseconds budget_;
};

} // namespace vs::audio
