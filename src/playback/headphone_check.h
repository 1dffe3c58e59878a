// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The headphone check: a soft tone in the left ear, then in the right, each
// confirmed by the listener, and what the two answers say about the output
// (as it should be, the channels exchanged, one side or both silent, no
// stereo at all). The tone goes through the engine's output as the session's
// do, so an exchange of the channels is heard in the check at once.
//
// Thread rule: UI thread.
#include "audio/bass_sample.h"
#include "playback/tone_waves.h"

#include <string>

namespace vs {
class MessageService;
}
namespace vs::audio {
class Engine;
}

namespace vs::playback {

enum class Ear { Left, Right };

// Where the check's tone sounds.
class EarTone {
public:
    virtual ~EarTone() = default;
    virtual void sound(Ear ear) = 0;
    virtual void silence() = 0;
};

// The tone from the left and the right wave file on an engine: 500 Hz at a
// tenth of full scale, each file's tone in its own ear.
class EngineEarTone : public EarTone {
public:
    static constexpr int kRate = 22050; // 500 Hz from the 1000 Hz files
    static constexpr int kVolume = 10;
    // `engine` and `messages` outlive the tone; the files are loaded now.
    EngineEarTone(audio::Engine& engine, MessageService& messages,
                  const WavePaths& waves = rutasOndas());
    ~EngineEarTone() override;
    void sound(Ear ear) override;
    void silence() override;

private:
    audio::BassSample left_, right_;
};

class HeadphoneCheck {
public:
    // What the listener says of the tone of one side.
    enum class Heard { There, OtherSide, Nothing };
    enum class Verdict {
        Pending,   // not both sides answered yet
        Correct,   // each side where it should be
        Exchanged, // each side in the other ear: exchange the channels
        OneSide,   // one side heard, the other not at all
        SameSide,  // both tones in the same ear: the output is not stereo
        Silent,    // nothing heard
    };

    explicit HeadphoneCheck(EarTone& tone) : tone_(tone) {}
    ~HeadphoneCheck() { stop(); }

    // From the left side again; its tone sounds.
    void start();
    // The answer for the side sounding now: the next side's tone, or, after
    // the right, silence and the verdict. Ignored once stopped or done.
    void answer(Heard heard);
    // Silence, whatever has been answered; start() begins again.
    void stop();
    bool done() const { return answered_ == 2; }
    // The side whose tone sounds (the one to answer for).
    Ear ear() const { return answered_ == 0 ? Ear::Left : Ear::Right; }
    Verdict verdict() const;
    // The verdict said to the listener; `exchanged` is the state of
    // "Intercambiar canales" the check ran with.
    std::string verdictText(bool exchanged) const;

private:
    EarTone& tone_;
    Heard heard_[2] = {Heard::Nothing, Heard::Nothing};
    int answered_ = 0;
    bool running_ = false;
};

} // namespace vs::playback
