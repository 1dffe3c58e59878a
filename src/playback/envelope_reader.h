// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the beat from a channel's envelope where the beat is heard in one
// ear: a tone switched on and off (isochronic), or two tones a few hertz
// apart beating against each other (monaural). The channel is turned down
// to zero hertz at the frequency it is carried on and smoothed over a whole
// number of the image's periods; each pulse is where the envelope rose
// through half its recent peak and fell through it again, and its time is
// the middle of the two, which a changing level (a fade) moves neither way.
// The pulse train's rate follows the beat curve continuously, so n pulses
// after one the curve's mean over the time between them is n over it.
//
// Thread rule: one thread at a time per reader, any thread.
#include <array>
#include <complex>
#include <vector>

namespace vs::playback {

class EnvelopeReader {
public:
    // The frames between two values of the envelope.
    static constexpr int kStep = 16;
    // The envelope's recent peak forgets over about this many seconds.
    static constexpr double kPeakMemorySeconds = 3;

    EnvelopeReader(int rate, int channel);
    // The frames that follow, interleaved stereo, carried on `carrierHz`
    // (the centre of the two tones, or the one tone) and beating near
    // `beatHz`, which sets how far the envelope is smoothed.
    void add(const float* interleaved, int frames, double carrierHz, double beatHz);
    // The middles of the pulses ended since the last call, in seconds from
    // the start of the render.
    std::vector<double> takePulses();
    // The envelope's highest level since the last call (a tone's peak).
    double takeLoudest();

private:
    using Complex = std::complex<double>;
    void setCarrier(double hz, double beatHz);
    void crossing(double level, double at);

    int rate_, channel_;
    double carrierHz_ = -1, beatHz_ = -1;
    // The turns within a block, from its first frame; the turn of a whole
    // block; the turn the block under way started at.
    std::array<Complex, kStep> turns_{};
    Complex stride_{1, 0}, blockTurn_{1, 0};
    Complex block_{0, 0}, pending_{0, 0}; // the block under way, turned down
    int inBlock_ = 0;
    // Running sums of the turned-down signal at each block's end, the last
    // kRingBlocks of them, so a window of any length up to it is one
    // subtraction.
    static constexpr int kRingBlocks = 1024;
    std::vector<Complex> sums_;
    Complex sum_{0, 0};
    long long blocks_ = 0;
    int windowBlocks_ = 1;
    double peak_ = 0, forget_ = 1;
    double lastLevel_ = 0, lastAt_ = 0;
    bool wasAbove_ = false;
    double loudest_ = 0;
    enum class State { Unknown, High, Low } state_ = State::Unknown;
    // The last half-level crossing up and down, and the rise of the pulse
    // under way (confirmed: the level went on past the band around half).
    double upAt_ = -1, downAt_ = -1;
    double risen_ = -1;
    std::vector<double> pulses_;
};

} // namespace vs::playback
