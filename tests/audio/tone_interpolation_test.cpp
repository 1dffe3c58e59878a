// SPDX-License-Identifier: GPL-3.0-or-later
// The vector renderer held to the scalar reference, bit for bit, on every
// instruction set it is built for that this machine runs: loops and one-shots,
// the ends of the material, each edge of the fast paths, and the tone rates
// the player uses. The material is noise, so any tap taken from the wrong
// frame shows, and it ends at an unreadable page.
#include "audio/engine_impl.h"
#include "audio/tone_interpolation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

using namespace vs::audio::detail;

namespace {

// Noise whose last frame ends where an unreadable page begins, so a kernel
// reading past the material crashes the test rather than pass by luck.
class Material {
public:
    explicit Material(int frames) : frames_(frames) {
        const std::size_t page = std::size_t(sysconf(_SC_PAGESIZE));
        bytes_ = (std::size_t(frames) * sizeof(float) + page - 1) / page * page + page;
        map_ = static_cast<char*>(
            mmap(nullptr, bytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        EXPECT_NE(map_, MAP_FAILED);
        EXPECT_EQ(mprotect(map_ + bytes_ - page, page, PROT_NONE), 0);
        data_ = reinterpret_cast<float*>(map_ + bytes_ - page) - frames;
        std::mt19937 gen{std::uint32_t(frames)};
        std::uniform_real_distribution<float> u(-1.0f, 1.0f);
        for (int i = 0; i < frames; ++i)
            data_[i] = u(gen);
    }
    Material(const Material&) = delete;
    Material& operator=(const Material&) = delete;
    ~Material() { munmap(map_, bytes_); }
    const float* data() const { return data_; }
    std::int64_t frames() const { return frames_; }

private:
    int frames_;
    std::size_t bytes_ = 0;
    char* map_ = nullptr;
    float* data_ = nullptr;
};

struct Played {
    std::vector<float> out;
    std::vector<std::uint64_t> pos; // after each block
    int produced = 0;
};

using Renderer = int (*)(const float*, std::int64_t, std::uint64_t&, std::uint64_t, bool, float*,
                         int) noexcept;

// Mixer-sized blocks until `blocks` are done or a one-shot runs out.
Played play(Renderer render, const Material& m, bool loop, std::uint64_t pos, std::uint64_t inc,
            int blocks) {
    Played p;
    p.out.assign(std::size_t(blocks) * kBlock, 0.0f);
    for (int b = 0; b < blocks; ++b) {
        const int got = render(m.data(), m.frames(), pos, inc, loop,
                               p.out.data() + std::size_t(b) * kBlock, kBlock);
        p.produced += got;
        p.pos.push_back(pos);
        if (got < kBlock) break;
    }
    return p;
}

void expectSameAsScalar(const Material& m, bool loop, std::uint64_t pos, std::uint64_t inc,
                        int blocks) {
    const Played ref = play(renderChannelScalar, m, loop, pos, inc, blocks);
    const Played vec = play(renderChannel, m, loop, pos, inc, blocks);
    ASSERT_EQ(vec.produced, ref.produced);
    ASSERT_EQ(vec.pos, ref.pos);
    for (std::size_t i = 0; i < ref.out.size(); ++i) {
        std::uint32_t a, b;
        std::memcpy(&a, &ref.out[i], 4);
        std::memcpy(&b, &vec.out[i], 4);
        ASSERT_EQ(a, b) << "output " << i << ": " << ref.out[i] << " vs " << vec.out[i];
    }
}

// Runs `check` once with the vector kernel on each built target this CPU has.
void onEveryTarget(const std::function<void()>& check) {
    int ran = 0;
    for (std::int64_t left = interpolationTargets(); left != 0; left &= left - 1) {
        const std::int64_t target = left & -left;
        if (!pinInterpolationTarget(target)) continue;
        ASSERT_EQ(interpolationTarget(), target);
        SCOPED_TRACE(interpolationTargetName(target));
        check();
        ++ran;
    }
    ASSERT_TRUE(pinInterpolationTarget(0));
    EXPECT_GE(ran, 2); // the one-lane fallback and a SIMD set at the least
}

// A position or step of `f` frames.
constexpr std::uint64_t at(double f) {
    return std::uint64_t(f * double(kOne));
}

} // namespace

TEST(ToneInterpolation, VectorRendererGivesTheScalarBits) {
    constexpr std::uint64_t k1 = kOne;
    struct Case {
        const char* what;
        int frames;
        bool loop;
        std::uint64_t start, inc;
        int blocks;
    };
    const Case cases[] = {
        {"one-shot from its first frame", 44100, false, 0, at(0.2), 8},
        {"one-shot running out mid-block", 2000, false, at(1900.3), at(0.37), 2},
        {"one-shot running out, large steps", 2000, false, at(1000.6), at(5.3), 2},
        {"one-shot started past its end", 2000, false, at(2000), at(0.5), 1},
        {"loop across its end, slow", 2000, true, at(1990.7), at(0.2), 4},
        {"loop across its end, fast", 2000, true, at(1500.1), at(3.7), 4},
        {"loop stepping over its whole length", 2000, true, at(3.3), at(2500.9), 2},
        {"first position of the fast path", 44100, true, 2 * k1, at(0.31), 2},
        {"just before the fast path", 44100, true, 2 * k1 - 1, at(0.31), 2},
        {"a whole frame a step on a whole frame: the copy", 2000, true, 1500 * k1, k1, 12},
        {"a whole frame a step on a whole frame, one-shot", 2000, false, 1500 * k1, k1, 4},
        {"a whole frame a step between frames", 2000, true, 1500 * k1 + 1, k1, 12},
        {"just under a frame a step", 2000, true, at(1700.5), k1 - 1, 4},
        {"just over a frame a step", 2000, true, at(1700.5), k1 + 1, 4},
        {"one unit a step", 44100, true, at(7.5), 1, 2},
        {"too short for the fast path, loop", 6, true, at(1.5), at(0.3), 2},
        {"too short for the fast path, one-shot", 6, false, at(0.5), at(0.01), 2},
        {"shortest with a fast path", 7, true, at(2.5), at(0.07), 4},
        {"short loop wrapping inside a block", 13, true, at(4.2), at(0.7), 4},
    };
    onEveryTarget([&] {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            expectSameAsScalar(Material(c.frames), c.loop, c.start, c.inc, c.blocks);
        }
        // Every lane alignment against the fast path's end, where the kernel
        // hands its last frames to the one-at-a-time tail.
        const Material m(3000);
        const std::uint64_t fastEnd = std::uint64_t(3000 - 3) << 32;
        for (const std::uint64_t inc : {at(0.23), k1 - 1, at(1.9)})
            for (std::uint64_t back = 0; back < 40; ++back)
                for (const bool loop : {false, true}) {
                    SCOPED_TRACE(testing::Message() << "inc " << inc << ", back " << back);
                    expectSameAsScalar(m, loop, fastEnd - back * inc - (back & 1), inc, 1);
                }
    });
}

// Material rate as the player sets it (tone Hz x 44100 / 1000) from a 1 Hz
// tone to a 20 kHz one, each playing through the end of the one-second loop;
// the steps are uneven so the runs meet the kernel at every lane alignment,
// and the rates around one frame a step (a 1000 Hz tone) are all taken.
TEST(ToneInterpolation, EveryToneRateFromOneHertzToTwentyKilohertzGivesTheScalarBits) {
    const Material m(44100);
    const std::uint64_t span = std::uint64_t(m.frames()) << 32;
    std::vector<int> rates;
    for (int rate = 44; rate <= 882000; rate += 89)
        rates.push_back(rate);
    for (int rate = 44095; rate <= 44105; ++rate)
        rates.push_back(rate);
    onEveryTarget([&] {
        for (const int rate : rates) {
            SCOPED_TRACE(testing::Message() << "rate " << rate);
            const std::uint64_t inc = stepFor(rate);
            expectSameAsScalar(m, true, span - 300 * inc - std::uint64_t(rate) * 40503u, inc, 2);
        }
    });
}
