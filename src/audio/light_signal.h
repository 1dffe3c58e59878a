// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lights carried in the sound, for light-and-sound machines that take
// their light from the audio input: in each channel a 19,200 Hz sine whose
// level drives that eye's lights. The left channel follows LEDs 1-4 (the low
// four bits of the LED byte), the right channel LEDs 5-8 (the high four); the
// level is proportional to the number lit, -12 dBFS peak with all four.
//
// A plain generator driven by "the LED byte from this sample on": the live
// mixer feeds it the byte the glasses were last given, an offline render can
// feed it the byte each step clock time gives. Each change of level glides
// over 1 ms on a raised-cosine ramp: a level jumping from one sample to the
// next would spread a click down into the audible range. It allocates
// nothing and takes no lock, so it may run on the audio thread.
#include <array>
#include <cstdint>

namespace vs::audio {

class LightSignal {
public:
    static constexpr double kCarrierHz = 19200.0;
    static constexpr double kFullLevelDbfs = -12.0;
    // 19,200 / 44,100 = 64 / 147: 64 whole cycles every 147 samples, so the
    // carrier is one exact table with no phase drift.
    static constexpr int kPeriodFrames = 147;
    static constexpr int kRampFrames = 44; // 1 ms at the mix rate

    LightSignal();

    // The LEDs lit from the next sample on.
    void setByte(std::uint8_t byte) noexcept;
    std::uint8_t byte() const noexcept { return byte_; }

    // Adds `frames` frames of the carrier to planar (left, right) or
    // interleaved stereo buffers, advancing the carrier and the ramps.
    void add(float* left, float* right, int frames) noexcept;
    void addInterleaved(float* stereo, int frames) noexcept;

    // Peak amplitude for an eye with `lit` of its four LEDs on (0..4).
    static float amplitudeFor(int lit) noexcept;
    // True once both levels have reached their targets.
    bool settled() const noexcept;

private:
    struct Eye {
        float from = 0, to = 0;
        int step = kRampFrames; // kRampFrames: on target
        float gain(const std::array<float, kRampFrames>& shape) const noexcept {
            return step >= kRampFrames ? to : from + (to - from) * shape[std::size_t(step)];
        }
        void retarget(float target, const std::array<float, kRampFrames>& shape) noexcept;
    };
    template <typename Write> void run(int frames, Write write) noexcept;

    std::array<float, kPeriodFrames> carrier_{};
    std::array<float, kRampFrames> shape_{};
    Eye eye_[2];
    int phase_ = 0;
    std::uint8_t byte_ = 0;
};

} // namespace vs::audio
