// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Binaural beats need one tone in each ear. At Play with the binaural pulse,
// an output that cannot carry two ears (a device of one channel; a Bluetooth
// headset in its hands-free profile, which is mono whatever it claims) is
// said once, and the isochronic pulse, which needs no stereo, is offered for
// the rest of the run; the stored choice stays as it is.
#include "audio/sound_server.h"
#include "playback/sound_choice.h"

#include <optional>
#include <string>

namespace vs {
class MessageService;
}

namespace vs::shell {

class BinauralGuard {
public:
    explicit BinauralGuard(MessageService& messages) : messages_(messages) {}

    // What stands in the way of binaural beats on this output: empty when
    // nothing does or nothing is known. `deviceChannels` 0: unknown;
    // `server`: the sound server's facts, none when it did not answer.
    static std::string obstacle(int deviceChannels,
                                const std::optional<audio::OutputFacts>& server);

    // At Play: `stored` is the choice of the options, `tones` whether the
    // tones are to sound. Says what is in the way, once a run, and offers the
    // isochronic pulse. Returns the choice to play with.
    playback::SoundChoice atPlay(const playback::SoundChoice& stored, bool tones,
                                 int deviceChannels,
                                 const std::optional<audio::OutputFacts>& server);
    // The choice in force: the stored one, with the pulse taken for this run
    // in place of a stored binaural one.
    playback::SoundChoice current(const playback::SoundChoice& stored) const;
    bool told() const { return told_; }

private:
    MessageService& messages_;
    bool told_ = false;
    bool isochronicForRun_ = false;
};

} // namespace vs::shell
