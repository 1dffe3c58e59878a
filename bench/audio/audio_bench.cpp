// SPDX-License-Identifier: GPL-3.0-or-later
// Figures for the sound engine, printed for a person to read:
//  a) offline render speed of a session's sound (two tones and the masking
//     noise, retuned twice a second) over one hour: real-time factor;
//  b) THD+N of a 200 Hz tone played from the 1000 Hz wave file at rate 8820;
//  c) CPU use of the process while the same sound plays live for ~10 s;
//  d) the interpolation alone, the two tones of a) for one hour: the scalar
//     reference beside the vector kernel on each instruction set this CPU has;
//  e) a) voiced isochronically: the left tone alone in both ears, its pulse
//     retuned with it twice a second, and the mask.
#include "audio/bass.h"
#include "audio/engine.h"
#include "audio/engine_impl.h"
#include "audio/tone_interpolation.h"
#include "playback/tone_waves.h"
#include "cpu_time.h"
#include "tone_analysis.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

using vs::bench::cpuSeconds;

struct Session {
    std::uint32_t left = 0, right = 0, mask = 0;
    std::uint32_t chL = 0, chR = 0;

    bool start() {
        const auto& p = vs::playback::rutasOndas();
        left = BASS_SampleLoad(0, p.left.c_str(), 0, 0, 1, vs::audio::kSampleTakeOldest);
        right = BASS_SampleLoad(0, p.right.c_str(), 0, 0, 1, vs::audio::kSampleTakeOldest);
        mask = BASS_SampleLoad(0, p.mask.c_str(), 0, 0, 1, vs::audio::kSampleTakeOldest);
        chL = BASS_SamplePlayEx(left, 0, 8820, 5, -101, 1);
        chR = BASS_SamplePlayEx(right, 0, 9261, 5, -101, 1);
        return chL && chR && BASS_SamplePlayEx(mask, 0, -1, 2, -101, 1);
    }
    // The session player's tick: a small glide of both pitches.
    void tick(int n) {
        const int base = 8820 + (n % 200);
        BASS_ChannelSetAttributes(chL, base, 5, -101);
        BASS_ChannelSetAttributes(chR, base + 441, 5, -101);
    }
};

// The isochronic voicing of the same sound, on the engine's own calls.
struct PulsedSession {
    vs::audio::VoiceId tone;

    bool start() {
        auto& e = vs::audio::processEngine();
        const auto& p = vs::playback::rutasOndas();
        const auto left = e.loadSample(p.left, {}, 1), mask = e.loadSample(p.mask, {}, 1);
        vs::audio::PlayParams t;
        t.rate = vs::audio::Rate::hz(8820);
        t.volume = 5;
        t.loop = true;
        t.bothEars = true;
        t.pulse = {10, true};
        tone = e.play(left, t);
        vs::audio::PlayParams m;
        m.volume = 2;
        m.loop = true;
        return tone && e.play(mask, m);
    }
    void tick(int n) {
        vs::audio::AttributeChange c;
        c.rate = vs::audio::Rate::hz(8820 + (n % 200));
        c.pulse = vs::audio::PulseSettings{10 + (n % 200) * 0.01, true};
        vs::audio::processEngine().setVoice(tone, c);
    }
};

// One hour of a session offline, in callback-sized pieces; CPU seconds and wall seconds.
template <typename S> bool renderHour(double& cpu, double& wall) {
    if (!BASS_Init(0, 44100, 0x20, nullptr)) return false;
    S s;
    if (!s.start()) return false;
    constexpr int kPiece = 512;
    std::vector<float> buf(2 * kPiece);
    const long total = 3600L * 44100;
    const double c0 = cpuSeconds();
    const auto w0 = std::chrono::steady_clock::now();
    long done = 0, nextTick = 0;
    int ticks = 0;
    while (done < total) {
        if (done >= nextTick) {
            s.tick(ticks++);
            nextTick += 22050;
        }
        vs::audio::processEngine().renderOffline(buf.data(), kPiece);
        done += kPiece;
    }
    cpu = cpuSeconds() - c0;
    wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
    BASS_Free();
    return true;
}

namespace detail = vs::audio::detail;

struct Interpolated {
    double cpu = 1e9;       // best of the repeats, seconds
    std::uint32_t hash = 0; // of every output's bits, so equal figures mean equal sound
};

// One hour of both tones through `render`, in mixer blocks.
Interpolated interpolateHour(decltype(&detail::renderChannel) render) {
    std::vector<float> tone(44100);
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = float(std::lround(32760.0 * std::sin(2 * M_PI * 1000.0 * double(i) / 44100.0)) /
                        32768.0);
    const std::uint64_t inc[2] = {detail::stepFor(8820), detail::stepFor(9261)};
    constexpr long kBlocks = 3600L * 44100 / detail::kBlock;
    float out[detail::kBlock];
    Interpolated best;
    for (int repeat = 0; repeat < 3; ++repeat) {
        std::uint64_t pos[2] = {0, 0};
        std::uint32_t hash = 0;
        const double c0 = cpuSeconds();
        for (long b = 0; b < kBlocks; ++b) {
            for (int c = 0; c < 2; ++c) {
                render(tone.data(), std::int64_t(tone.size()), pos[c], inc[c], true, out,
                       detail::kBlock);
                std::uint32_t bits;
                std::memcpy(&bits, &out[b % detail::kBlock], 4);
                hash = hash * 31 + bits;
            }
        }
        best.cpu = std::min(best.cpu, cpuSeconds() - c0);
        best.hash = hash;
    }
    return best;
}

void printInterpolation() {
    const Interpolated scalar = interpolateHour(detail::renderChannelScalar);
    std::printf("d) interpolation alone, 2 tones, 1 h of audio (best of 3):\n"
                "   scalar reference  %.3f s CPU\n",
                scalar.cpu);
    const std::int64_t chosen = detail::interpolationTarget();
    for (std::int64_t left = detail::interpolationTargets(); left != 0; left &= left - 1) {
        const std::int64_t target = left & -left;
        if (!detail::pinInterpolationTarget(target)) continue;
        const Interpolated v = interpolateHour(detail::renderChannel);
        std::printf("   vector %-9s  %.3f s CPU, %.1fx the scalar's speed%s%s\n",
                    detail::interpolationTargetName(target), v.cpu, scalar.cpu / v.cpu,
                    v.hash == scalar.hash ? "" : ", OUTPUT DIFFERS",
                    target == chosen ? "  <- dispatched here (target >= 4x)" : "");
    }
    detail::pinInterpolationTarget(0);
}

} // namespace

int main() {
    if (!std::getenv("SDL_AUDIODRIVER")) ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    char tmpl[] = "/tmp/vs-audio-bench-XXXXXX";
    if (!::mkdtemp(tmpl)) return 1;
    const std::string dir = tmpl;
    if (!vs::playback::PrepararOndas(dir)) return 1;

    // a) One hour offline, in callback-sized pieces.
    {
        double cpu = 0, wall = 0;
        if (!renderHour<Session>(cpu, wall)) return 1;
        std::printf("a) offline render, 2 tones + masking, 1 h of audio: %.2f s CPU (%.2f s wall)\n"
                    "   real-time factor %.0fx (target >= 2000x)\n",
                    cpu, wall, 3600.0 / cpu);
    }

    // b) Purity of the slowest common tone.
    {
        BASS_Init(0, 44100, 0x20, nullptr);
        const auto l = BASS_SampleLoad(0, vs::playback::rutasOndas().left.c_str(), 0, 0, 1, 0);
        BASS_SamplePlayEx(l, 0, 8820, 100, -101, 1);
        std::vector<float> buf(2 * 44100 * 4);
        vs::audio::processEngine().renderOffline(buf.data(), 44100); // skip the first second
        vs::audio::processEngine().renderOffline(buf.data(), 44100 * 4);
        const auto left = vs::test::channelOf(buf, 0);
        const auto fit = vs::test::fitSine(left, 200.0, 44100);
        std::printf("b) 200 Hz from OndaL at rate 8820: pitch %.6f Hz, THD+N %.1f dBc "
                    "(target <= -90 dBc)\n",
                    vs::test::toneFrequency(left, 44100), fit.thdnDb());
        BASS_Free();
    }

    // c) Live on the device SDL picks (dummy when headless).
    {
        if (!BASS_Init(-1, 44100, 0x20, nullptr)) {
            std::printf("c) no output device could be opened\n");
        } else {
            BASS_Start();
            Session s;
            s.start();
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            const double c0 = cpuSeconds();
            const auto w0 = std::chrono::steady_clock::now();
            for (int i = 0; i < 20; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(500));
                s.tick(i);
            }
            const double cpu = cpuSeconds() - c0;
            const double wall =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
            std::printf("c) live playback for %.1f s on SDL driver '%s': %.3f s CPU = %.2f %% of "
                        "one core (target < 1 %%)\n",
                        wall, std::getenv("SDL_AUDIODRIVER"), cpu, 100.0 * cpu / wall);
            BASS_Free();
        }
    }
    printInterpolation();

    // e) The isochronic voicing of a).
    {
        double cpu = 0, wall = 0;
        if (!renderHour<PulsedSession>(cpu, wall)) return 1;
        std::printf("e) offline render, 1 isochronic tone in both ears + masking, 1 h of audio: "
                    "%.2f s CPU (%.2f s wall)\n   real-time factor %.0fx (target >= 2000x)\n",
                    cpu, wall, 3600.0 / cpu);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
