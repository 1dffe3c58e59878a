// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the tone of each channel from one second of a render: the
// strongest one within a few hertz of the frequency expected there, its
// level, and how much else sounds in that narrow band (the music, above
// all), which is what could move its reading.
//
// Thread rule: one thread at a time per reader, any thread.
#include <array>
#include <complex>
#include <vector>

namespace vs::playback {

struct ToneReading {
    double hz = 0;
    double level = 0; // the tone's peak, -1..1 scale
    // The rest of the band around the tone that can shift its phase, as a
    // fraction of the tone: 0.05 is another sound a twentieth as loud, a few
    // hertz away. What only changes its level (a fade) does not count.
    double interference = 0;
    bool found = false; // louder than anything else in the band
};

class ToneReader {
public:
    // The frames of one short window's step; the second is read in steps of
    // this many frames, each window two steps long.
    static constexpr int kHop = 420;
    // How far from the frequency expected a tone is looked for.
    static constexpr double kSearchHz = 4.5;
    // Below this peak a tone is too weak to follow through the masking noise.
    static constexpr double kQuietestTone = 1e-4;
    // The least of a second a reading needs, in frames.
    static constexpr int kLeastFrames = 44100 / 2;

    ToneReader();

    // A second is read in three steps: begin() with the frequencies expected
    // in the left and the right channel (a channel whose frequency is not
    // above zero is not read), add() with its frames, interleaved stereo, in
    // pieces of any size (at most one second at the mix rate in all), then
    // finish() for the two readings.
    void begin(const std::array<double, 2>& hz);
    void add(const float* interleaved, int frames);
    std::array<ToneReading, 2> finish();

private:
    using Complex = std::complex<double>;
    void demodulate(const float* interleaved, int blocks);
    ToneReading readChannel(int channel, double hz);
    Complex sumAt(double offsetHz, Complex* slope = nullptr, Complex* curve = nullptr) const;
    void prepareWindow(int outputs);

    // Per second: the four window-times-phasor tables, channel-interleaved.
    std::vector<float> riseRe_, riseIm_, fallRe_, fallIm_;
    std::array<double, 2> hz_{};
    std::vector<float> carry_;    // a step begun in one add() and ended in the next
    int carried_ = 0;             // frames in carry_
    std::vector<float> sums_;     // eight floats per step, from the kernel
    int blocks_ = 0;              // steps summed so far
    std::vector<Complex> turned_; // one channel, one value per window
    // Per window count: the long window, its times from the middle of the
    // second, and the window times the phasor at each searched offset.
    int outputs_ = 0;
    std::vector<double> window_, times_;
    double windowSum_ = 0;
    std::vector<std::vector<Complex>> grid_;
};

} // namespace vs::playback
