// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The isochronic pulse: a gain that switches one voice on and off at the beat
// rate, so the beat is heard from speakers too. A pulse train with a 50 % duty
// cycle (measured at half height) and raised-cosine edges; its rate may change
// every block and is followed through a phase accumulator, so a new rate (a
// segment boundary, a point moved during play) bends the train without a jump.
// Switching the pulse on or off glides between a steady gain of 1 and the
// train, so that does not click either.
//
// Edge length E (each rise and each fall) at rate r, period T = 1/r:
//     E = min(T/4, max(2 ms, T/8))
// so up to 62.5 Hz an edge is an eighth of the period (4.2 ms at 30 Hz, 250 ms
// at 0.5 Hz), between 62.5 and 125 Hz it is 2 ms, and above that a quarter
// period. The shape is a function of the phase alone; a change of edge length
// waits for the middle of the next plateau, where every length gives the same
// gain.
//
// No click: a pulsed tone steps from one sample to the next no further than
// the steady tone does while its frequency times the edge length is at least
// 0.35, so up to 62.5 Hz for any carrier of at least 2.8 times the rate (84 Hz
// at 30 Hz), and 175 Hz at 2 ms edges. Lower carriers step somewhat further
// than their own steady tone; at the player's levels the verification's click
// detector still finds nothing, down to a 5 Hz carrier.
//
// Thread rule: one envelope per voice, owned by the thread that mixes it (the
// audio callback, or the thread of an offline render). The UI thread never
// touches it: it hands PulseSettings over between blocks (the engine's command
// queue or atomics), and the mixer calls set() before the block. Every method
// is real-time safe: no lock, allocation, I/O or system call (pulseGains(),
// a free function for measuring, allocates).
#include <cstddef>
#include <vector>

namespace vs::audio {

// What the UI thread asks for; copied into the envelope between blocks.
struct PulseSettings {
    double rateHz = 0; // pulses per second (the beat curve)
    bool on = false;   // false: the voice sounds steadily (gain 1)
};

// The edge length in seconds at `rateHz` (the rule above).
double pulseEdgeSeconds(double rateHz);

class PulseEnvelope {
public:
    // Below this the beat is no pulse any more: the voice glides to a steady
    // tone rather than freeze on or off (a 0 Hz binaural beat is steady too).
    static constexpr double kSteadyBelowHz = 0.1;
    // Rates above are taken as this: far beyond any beat range.
    static constexpr double kHighestRateHz = 200;
    // How long switching the pulse on or off glides.
    static constexpr double kGlideSeconds = 0.05;

    // `softEdges` false switches hard at the two transitions (edge length 0):
    // only for showing what the edges are for.
    explicit PulseEnvelope(int sampleRate, bool softEdges = true);

    // Starts afresh with `s` fully in force (no glide): a voice that starts
    // pulsing starts at the foot of a rise, silent, and swells.
    void start(const PulseSettings& s);
    // New settings from the next frame on: the rate at once, on/off by a glide.
    void set(const PulseSettings& s);

    // The gains of the next `frames` frames, advancing the envelope.
    void gains(float* out, int frames);
    // Multiplies the next `frames` interleaved frames of `channels` channels
    // by the envelope, advancing it. A steady envelope leaves them untouched.
    void apply(float* interleaved, int frames, int channels);

    double phase() const { return phase_; } // 0..1; 0 is the middle of a rise
    double depth() const { return depth_; } // 0 steady .. 1 fully pulsing
    bool steady() const { return depth_ == 0 && depthTarget_ == 0; }

private:
    // The train's gain (0..1) at phase p with edges of `width` (fraction of a period).
    static float shape(double p, double width);
    double widthFor(double rateHz) const;
    void advance(int frames); // the steady case: the phase only
    template <class Sink> void run(int frames, Sink sink);

    int sampleRate_;
    bool softEdges_;
    double phase_ = 0;
    double increment_ = 0; // phase per frame
    double width_ = 0;     // edge length in periods, in force
    double widthTarget_ = 0;
    double depth_ = 0;
    double depthTarget_ = 0;
    double depthStep_;
};

// The gains of `frames` frames of an envelope started at a fixed rate: the
// unit measured on its own. Allocates: not for the audio thread.
std::vector<float> pulseGains(double rateHz, std::size_t frames, int sampleRate,
                              bool softEdges = true);

} // namespace vs::audio
