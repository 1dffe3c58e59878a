// SPDX-License-Identifier: GPL-3.0-or-later
// The session player heard through the real engine: three sample players over
// the offline mixer, the player driven tick by tick on a simulated clock, and
// the sound judged from the rendered samples alone.
#include "audio/bass.h"
#include "../audio/audio_fixture.h"
#include "../audio/tone_analysis.h"
#include "audio/volume.h"
#include "base/services.h"
#include "player_fakes.h"
#include "playback/player_sound.h"
#include "playback/render_analysis.h"
#include "session/session_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <numbers>
#include <memory>
#include <tuple>
#include "recording_messages.h"
#include "recording_mixer.h"

using namespace vs;
using namespace vs::test;
using audio::clsVolume;
using audio::MixerLine;
using audio::RecordingMixerBackend;
using playback::NoiseColour;
using playback::PulseType;
using playback::SessionPlayer;

namespace {

constexpr double kRate = 44100;
constexpr int kHalfSecond = 22050;
// Peak of the 1000 Hz tone of the wave files on the engine's -1..1 scale.
constexpr double kTonePeak = 32760.0 / 32768.0;

double hzOfRate(std::int32_t rate) {
    return rate / 44.1;
}

std::vector<float> slice(const std::vector<float>& x, std::size_t from, std::size_t n) {
    return {x.begin() + std::ptrdiff_t(from), x.begin() + std::ptrdiff_t(from + n)};
}

struct SessionSound : OfflineEngine {
    session::SessionModel model;
    FakeView view;
    FakeGlasses glasses;
    FakeMusic music;
    FakeClock clock;
    RecordingMessageService shown;
    playback::SampleToneBank bank{engine(), shown};
    std::unique_ptr<clsVolume> volume;
    std::unique_ptr<playback::MixerMaster> master;
    std::unique_ptr<SessionPlayer> player;
    std::vector<float> out; // everything rendered, interleaved stereo

    void SetUp() override {
        OfflineEngine::SetUp();
        setMessageService(&shown);
        bank.create();
        model.SesionNueva();
    }
    void TearDown() override {
        player.reset();
        bank.release();
        setMessageService(nullptr);
        // Loading, playing, retuning and stopping never troubled the user.
        EXPECT_TRUE(shown.entries.empty());
        OfflineEngine::TearDown();
    }

    // The start-up: the master level Stop writes back is the one found then.
    void startUp(std::unique_ptr<audio::MixerBackend> system,
                 std::unique_ptr<audio::MixerBackend> fallback) {
        volume = std::make_unique<clsVolume>(std::move(system), std::move(fallback));
        master = std::make_unique<playback::MixerMaster>(*volume);
        player = std::make_unique<SessionPlayer>(model, view, bank, *master, glasses, music, clock);
        player->setNivelMaestroGuardado(master->VolumeLevel());
    }
    // A system mixer that records the master line, so the engine's own gain stays at 1.
    void startUpWithSystemMixer() {
        auto sys = std::make_unique<RecordingMixerBackend>();
        sys->levels[std::size_t(MixerLine::Master)] = 48000;
        startUp(std::move(sys), std::make_unique<RecordingMixerBackend>());
    }

    void tick() {
        clock.now += 500;
        player->Tick();
    }
    std::size_t frames() const { return out.size() / 2; }
    void mix(int n = kHalfSecond) {
        const auto part = render(n);
        out.insert(out.end(), part.begin(), part.end());
    }
    // One period of the session timer and the sound that follows it.
    void step() {
        tick();
        mix();
    }
    double seconds() const { return double(clock.now - 1'000'000) / 1000.0; }
};

// Rising zero crossings, each placed by linear interpolation.
std::vector<double> risingCrossings(const std::vector<float>& x, std::size_t from, std::size_t to) {
    std::vector<double> t;
    for (std::size_t i = from + 1; i < to; ++i)
        if (x[i - 1] < 0.0f && x[i] >= 0.0f)
            t.push_back(double(i - 1) + double(x[i - 1]) / double(x[i - 1] - x[i]));
    return t;
}

// Where the pulses rise through half their height, in frames: the envelope
// of a carrier of known frequency by demodulation (its products with the
// carrier's cosine and sine, each averaged over one carrier period centred on
// the frame, so the edges stay where they are), crossings interpolated.
std::vector<double> risingEdges(const std::vector<float>& x, double hz) {
    const std::size_t n = std::size_t(std::lround(kRate / hz));
    const double w = 2 * std::numbers::pi * hz / kRate;
    std::vector<double> sc(x.size() + 1), ss(x.size() + 1);
    for (std::size_t k = 0; k < x.size(); ++k) {
        sc[k + 1] = sc[k] + x[k] * std::cos(w * double(k));
        ss[k + 1] = ss[k] + x[k] * std::sin(w * double(k));
    }
    std::vector<double> e(x.size(), 0.0);
    for (std::size_t m = n / 2; m + n - n / 2 <= x.size(); ++m) {
        const std::size_t a = m - n / 2, b = a + n;
        e[m] = 2 / double(n) * std::hypot(sc[b] - sc[a], ss[b] - ss[a]);
    }
    const double half = *std::max_element(e.begin(), e.end()) / 2;
    std::vector<double> edges;
    for (std::size_t m = 1; m < e.size(); ++m)
        if (e[m - 1] < half && e[m] >= half)
            edges.push_back(double(m - 1) + (half - e[m - 1]) / (e[m] - e[m - 1]));
    return edges;
}

} // namespace

TEST_F(SessionSound, NewSessionSoundsItsBaseLeftAndBaseAndBeatRight) {
    startUpWithSystemMixer();
    player->Play();
    for (int i = 0; i < 20; ++i)
        step();
    ASSERT_TRUE(player->playing());
    const auto left = channelOf(out, 0), right = channelOf(out, 1);
    ASSERT_EQ(left.size(), 441000u);

    const double fL = toneFrequency(left, kRate), fR = toneFrequency(right, kRate);
    // What the curves ask for, within the resolution of whole-number rates...
    EXPECT_NEAR(fL, model.baseHz(model.PuntoFR[1].Top), 1 / 44.1);
    EXPECT_NEAR(fR - fL, model.binauralHz(model.Punto[1].Top), 1 / 44.1);
    // ...and exactly what the rates 8315 and 8633 sound.
    EXPECT_NEAR(fL, hzOfRate(8315), 1e-3);
    EXPECT_NEAR(fR - fL, hzOfRate(8633 - 8315), 1e-3);

    // Each ear hears one clean tone at a tenth of the volume bar (50 -> 5 of
    // 100) and nothing of the other ear's tone.
    const double amp = 0.05 * kTonePeak;
    const double fl = hzOfRate(8315), fr = hzOfRate(8633);
    for (const auto& [x, own, other] : {std::tuple{&left, fl, fr}, std::tuple{&right, fr, fl}}) {
        const SineFit fit = fitSine(*x, own, kRate);
        EXPECT_NEAR(fit.amplitude, amp, amp * 0.002);
        EXPECT_LT(fit.thdnDb(), -80);
        EXPECT_LT(fitSine(*x, other, kRate).amplitude, amp * 0.01);
    }
}

TEST_F(SessionSound, SlopedSessionRetunesEverySecondWithoutAClick) {
    model.PuntoFR[1].Top = model.topForBase(150);
    model.PuntoFR[2].Top = model.topForBase(450);
    model.Punto[1].Top = model.topForBinaural(2);
    model.Punto[2].Top = model.topForBinaural(14);
    startUpWithSystemMixer();
    player->Play();

    struct Retune {
        std::size_t frame;
        double from[2], to[2]; // Hz, left and right
    };
    std::vector<Retune> retunes;
    std::int32_t maxRate[2] = {0, 0};
    for (int i = 0; i < 40; ++i) {
        const std::int32_t l = player->rateLeft(), r = player->rateRight();
        tick();
        if (l != 0 && (l != player->rateLeft() || r != player->rateRight()))
            retunes.push_back({frames(),
                               {hzOfRate(l), hzOfRate(r)},
                               {hzOfRate(player->rateLeft()), hzOfRate(player->rateRight())}});
        maxRate[0] = std::max(maxRate[0], player->rateLeft());
        maxRate[1] = std::max(maxRate[1], player->rateRight());
        mix();
    }
    // Base 5 Hz and beat 0.2 Hz higher each second: a retune at every whole second.
    ASSERT_EQ(retunes.size(), 20u);
    EXPECT_NEAR(retunes.back().to[0], 150 + 5 * 20, 1 / 44.1);

    const double amp = 0.05 * kTonePeak;
    const std::size_t win = 2205; // 50 ms either side of a retune
    for (int c = 0; c < 2; ++c) {
        SCOPED_TRACE(c == 0 ? "left" : "right");
        const auto x = channelOf(out, c);
        // No step between neighbouring samples larger than the fastest tone's own.
        EXPECT_LE(peak(x), amp * 1.001);
        EXPECT_LE(largestStep(x), 2 * M_PI * hzOfRate(maxRate[c]) / kRate * amp * 1.01);
        for (const Retune& rt : retunes) {
            SCOPED_TRACE(rt.frame);
            // The phase runs on across the retune: the old tone carried to the
            // retune frame meets the new tone starting there.
            const SineFit before = fitSine(slice(x, rt.frame - win, win), rt.from[c], kRate);
            const SineFit after = fitSine(slice(x, rt.frame, win), rt.to[c], kRate);
            const double carried = before.phase + 2 * M_PI * rt.from[c] * double(win) / kRate;
            EXPECT_LT(std::fabs(std::remainder(after.phase - carried, 2 * M_PI)), 1e-3);
            // Period by period the pitch moves from the old value to the new
            // one and never beyond either.
            const auto t = risingCrossings(x, rt.frame - win, rt.frame + win);
            ASSERT_GT(t.size(), 10u);
            const double lo = std::min(rt.from[c], rt.to[c]) - 0.05;
            const double hi = std::max(rt.from[c], rt.to[c]) + 0.05;
            for (std::size_t k = 1; k < t.size(); ++k) {
                const double f = kRate / (t[k] - t[k - 1]);
                EXPECT_GE(f, lo);
                EXPECT_LE(f, hi);
            }
        }
    }
}

// A base maximum below 450 lets the base curve run below 0 Hz; the player
// sends such a tone as rate 0, which the engine reads as "the sample's own
// rate" and would sound the 1000 Hz of the wave file. Disabled until the
// sample channel sends the engine's lowest rate instead.
TEST_F(SessionSound, BaseBelowZeroSoundsNoPitchInsteadOfTheWaveFilesOwn) {
    model.FrecBaseMax = 300;
    model.PuntoFR[1].Top = model.PuntoFR[2].Top = model.H - 2 * model.MedioPunto; // -150 Hz
    startUpWithSystemMixer();
    player->Play();
    for (int i = 0; i < 4; ++i)
        step();
    ASSERT_EQ(player->rateLeft(), 0);
    // Nothing faster than 20 Hz in the left ear, whether the tone starts there
    // (first tick) or is retuned down to it.
    const double amp = 0.05 * kTonePeak;
    EXPECT_LT(largestStep(channelOf(out, 0)), 2 * M_PI * 20 / kRate * amp);
}

TEST_F(SessionSound, MaskPlaysTheNoiseFileAtItsVolumeAndStopSilencesEverything) {
    view.binaural = false;
    view.mascara = true;
    view.volMascara = 70;
    startUpWithSystemMixer();
    player->Play();
    step();
    step();
    view.volMascara = 30; // heard from the next tick on
    step();
    step();

    // The noise at its own rate, sample for sample as the file holds it, at
    // a tenth of the bar: left never below zero, right never above.
    const std::string wav = readFile(playback::rutasOndas().mask);
    ASSERT_EQ(wav.size(), std::size_t(playback::kWaveFileSize));
    const auto fileSample = [&](std::size_t frame, int c) {
        std::int16_t v;
        std::memcpy(&v, wav.data() + 44 + 4 * (frame % 44100) + 2 * std::size_t(c), 2);
        return v / 32768.0;
    };
    const auto left = channelOf(out, 0), right = channelOf(out, 1);
    ASSERT_EQ(left.size(), 88200u);
    double worst = 0;
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (i >= 44100 && i < 44100 + 256) continue; // the new volume glides in
        const double g = i < 44100 ? 0.07 : 0.03;
        worst = std::max(worst, std::fabs(left[i] - g * fileSample(i, 0)));
        worst = std::max(worst, std::fabs(right[i] - g * fileSample(i, 1)));
    }
    EXPECT_LT(worst, 1e-6);
    EXPECT_GE(*std::min_element(left.begin(), left.end()), 0.0f);
    EXPECT_LE(*std::max_element(right.begin(), right.end()), 0.0f);
    EXPECT_GT(peak(left), 0.9 * 0.07 * 15239 / 32768);

    // Tones and mask together; Stop leaves nothing sounding.
    view.binaural = true;
    player->Play();
    step();
    EXPECT_GT(peak(slice(out, out.size() - 2 * kHalfSecond, 2 * kHalfSecond)), 0.05);
    player->Stop();
    EXPECT_FALSE(bank.sampleL()->Playing());
    EXPECT_FALSE(bank.sampleR()->Playing());
    EXPECT_FALSE(bank.sampleM()->Playing());
    mix();
    EXPECT_EQ(peak(slice(out, out.size() - 2 * kHalfSecond, 2 * kHalfSecond)), 0.0);
    // The system's master line got its start-up level back, untouched by the engine.
    EXPECT_EQ(volume->VolumeLevel(), 48000);
    EXPECT_FLOAT_EQ(audio::processEngine().masterGain(), 1.0f);
}

TEST_F(SessionSound, FadeLowersTheEngineMasterAndStopRestoresIt) {
    model.setMinutos(0);
    model.setSegundos(10);
    view.ultimos = 5;
    // No system mixer: the master line is the engine's own gain.
    startUp(nullptr, audio::makeEngineMixer(audio::processEngine()));
    ASSERT_EQ(volume->VolumeLevel(), audio::kMixerMax);

    const double full = 0.05 * kTonePeak / std::sqrt(2.0);
    const auto blockRms = [&] {
        // Past the first mixing pass, over which a new master gain glides in.
        return rms(slice(channelOf(out, 0), frames() - kHalfSecond + 512, kHalfSecond - 512));
    };
    player->Play();
    std::int64_t fadeStart = -1;
    std::vector<std::int32_t> fadeLevels;
    while (player->playing() && clock.now < 1'000'000 + 20'000) {
        tick();
        if (player->fading() && fadeStart < 0) fadeStart = clock.now;
        if (player->fading() && clock.now > fadeStart && (clock.now - fadeStart) % 1000 == 0) {
            player->FadeTick();
            fadeLevels.push_back(volume->VolumeLevel());
        }
        if (!player->playing()) break;
        mix();
        const double g = double(volume->VolumeLevel()) / audio::kMixerMax;
        EXPECT_NEAR(audio::processEngine().masterGain(), g, 1e-6);
        EXPECT_NEAR(blockRms(), full * g, full * 0.01) << "at " << frames() << " frames";
    }
    // Armed with 6 s left; the level falls by a fifth each second down to silence.
    EXPECT_EQ(fadeStart, 1'000'000 + 4'000);
    EXPECT_EQ(fadeLevels, (std::vector<std::int32_t>{52428, 39321, 26214, 13107, 0}));
    EXPECT_LT(blockRms(), 1e-7);

    // The session ended at its last point; its Stop put the full level back.
    EXPECT_FALSE(player->playing());
    EXPECT_EQ(volume->VolumeLevel(), audio::kMixerMax);
    EXPECT_FLOAT_EQ(audio::processEngine().masterGain(), 1.0f);

    // The next session starts loud again.
    player->Play();
    step();
    step();
    EXPECT_NEAR(blockRms(), full, full * 0.01);
}

TEST_F(SessionSound, MonauralEarsEachHoldBothTonesAtHalfTheirLevel) {
    view.choice.pulse = PulseType::Monaural;
    startUpWithSystemMixer();
    player->Play();
    for (int i = 0; i < 20; ++i)
        step();
    const double fl = player->rateLeft() / 44.1, fr = player->rateRight() / 44.1;
    ASSERT_GT(fr - fl, 1.0);
    const auto left = channelOf(out, 0), right = channelOf(out, 1);
    EXPECT_TRUE(left == right);
    // Half of the tenth of the bar each binaural ear gets, for each tone.
    const double half = 0.05 * kTonePeak / 2;
    for (double f : {fl, fr})
        EXPECT_NEAR(fitSine(left, f, kRate).amplitude, half, half * 0.01) << f << " Hz";
}

TEST_F(SessionSound, IsochronicPulsesFollowTheBeatThroughASegmentEndAndAMovedPoint) {
    model.setMinutos(0);
    model.setSegundos(16);
    const float span = model.W - 2 * model.MedioPunto;
    model.PuntoFR.setFlat(span, model.topForBase(441));
    model.Punto.setFlat(span, model.topForBinaural(2));
    model.Punto[2].Top = model.topForBinaural(4);
    ASSERT_TRUE(model.Punto.insert(2, span / 2, model.topForBinaural(10)));
    view.ultimos = 0;
    view.choice.pulse = PulseType::Isochronic;
    startUpWithSystemMixer();
    player->Play();
    std::map<int, double> drawn; // second -> the beat curve there, as drawn then
    while (player->playing() && seconds() < 15.5) {
        // The end point raised while the second segment plays.
        if (seconds() == 10.5) model.Punto[3].Top = model.topForBinaural(12);
        step(); // the tick at seconds() sets the rate of its whole second
        drawn[int(seconds())] = model.binauralAt(std::floor(seconds()) * 1000);
    }
    const auto left = channelOf(out, 0);
    EXPECT_TRUE(left == channelOf(out, 1)); // one tone, both ears
    const double carrier = player->rateLeft() / 44.1;
    ASSERT_NEAR(carrier, 441, 0.05);

    // The out buffer starts at the first tick, half a second into the session.
    std::vector<double> t = risingEdges(left, carrier);
    for (double& v : t)
        v = v / kRate + 0.5;
    ASSERT_GT(t.size(), 80u);
    // Second by second the rate the curve asks for, within 0.05 Hz.
    for (int s = 1; s <= 14; ++s) {
        std::vector<double> in;
        std::copy_if(t.begin(), t.end(), std::back_inserter(in),
                     [s](double v) { return v >= s && v < s + 1; });
        ASSERT_GE(in.size(), 2u) << s;
        const double rate = double(in.size() - 1) / (in.back() - in.front());
        EXPECT_NEAR(rate, drawn[s], 0.05) << "second " << s;
    }
    // Pulse by pulse the rate never leaves the span of the seconds it
    // crosses: no jump of phase at a new rate, a segment's end (8 s) or the
    // moved point (11 s).
    for (std::size_t k = 1; k < t.size(); ++k) {
        const int s0 = int(t[k - 1]), s1 = int(t[k]);
        double lo = drawn[s0], hi = drawn[s0];
        for (int s = s0; s <= s1; ++s) {
            lo = std::min(lo, drawn[s]);
            hi = std::max(hi, drawn[s]);
        }
        const double rate = 1 / (t[k] - t[k - 1]);
        EXPECT_GE(rate, lo - 0.05) << "pulse at " << t[k] << " s";
        EXPECT_LE(rate, hi + 0.05) << "pulse at " << t[k] << " s";
    }
    EXPECT_NEAR(drawn[12], 10 + 2 * (12 - 8) / 8.0, 1e-3); // heard after the move

    // The verification's click detector finds no click at the pulses' edges.
    playback::ExportOptions o;
    o.volumenBinaural = view.volBinaural;
    playback::RenderAnalyser analyser(model, o);
    analyser.write(out.data(), int(out.size() / 2));
    const playback::VerificationReport& r = analyser.finish();
    EXPECT_TRUE(r.clicksChecked);
    EXPECT_EQ(r.clicks, 0);
}

TEST_F(SessionSound, TheMaskPlaysItsColoursFile) {
    view.binaural = false;
    view.mascara = true;
    view.volMascara = 70;
    startUpWithSystemMixer();
    for (NoiseColour c : {NoiseColour::Pink, NoiseColour::Brown}) {
        SCOPED_TRACE(playback::noiseWaveName(c));
        ASSERT_TRUE(playback::writeNoiseWave(dir.path(), c));
        out.clear();
        view.choice.noise = c;
        player->Play();
        step();
        step();
        player->Stop();
        const std::string wav = readFile(playback::withNoise(playback::rutasOndas(), c).mask);
        ASSERT_EQ(wav.size(), std::size_t(playback::kWaveFileSize));
        double worst = 0;
        for (std::size_t i = 0; i < out.size(); ++i) {
            std::int16_t v;
            std::memcpy(&v, wav.data() + 44 + 2 * (i % (2 * 44100)), 2);
            worst = std::max(worst, std::fabs(out[i] - 0.07 * v / 32768.0));
        }
        EXPECT_LT(worst, 1e-6);
    }
}
