// SPDX-License-Identifier: GPL-3.0-or-later
// The session player's pulse types and noise colours heard through the real
// engine, rendered offline tick by tick on a simulated clock: what each ear
// holds, the isochronic pulses' rate second by second against the beat curve
// (measured from the envelope itself), and the mask from its colour's file.
#include "../audio/audio_fixture.h"
#include "../audio/tone_analysis.h"
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
#include "recording_messages.h"

using namespace vs;
using namespace vs::test;
using playback::NoiseColour;
using playback::PulseType;

namespace {

constexpr double kRate = 44100;
constexpr int kHalfSecond = 22050;
constexpr double kTonePeak = 32760.0 / 32768.0;

struct PulseTypes : OfflineEngine {
    session::SessionModel model;
    FakeView view;
    FakeGlasses glasses;
    FakeMusic music;
    FakeClock clock;
    FakeMaster master;
    RecordingMessageService shown;
    playback::SampleToneBank bank{engine(), shown};
    std::unique_ptr<playback::SessionPlayer> player;
    std::vector<float> out; // from the first tick on, interleaved stereo

    void SetUp() override {
        OfflineEngine::SetUp();
        for (NoiseColour c : {NoiseColour::Pink, NoiseColour::Brown})
            ASSERT_TRUE(playback::writeNoiseWave(dir.path(), c));
        setMessageService(&shown);
        bank.create();
        model.SesionNueva();
        view.ultimos = 0;
    }
    void TearDown() override {
        player.reset();
        bank.release();
        setMessageService(nullptr);
        EXPECT_TRUE(shown.entries.empty());
        OfflineEngine::TearDown();
    }
    void play(playback::SoundChoice choice) {
        view.choice = choice;
        player = std::make_unique<playback::SessionPlayer>(model, view, bank, master, glasses,
                                                           music, clock);
        player->Play();
    }
    // One period of the session timer and the sound that follows it.
    void step() {
        clock.now += 500;
        player->Tick();
        const auto part = render(kHalfSecond);
        out.insert(out.end(), part.begin(), part.end());
    }
    double seconds() const { return double(clock.now - 1'000'000) / 1000.0; }
};

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

TEST_F(PulseTypes, MonauralEarsEachHoldBothTonesAtHalfTheirLevel) {
    play({PulseType::Monaural});
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

TEST_F(PulseTypes, IsochronicPulsesFollowTheBeatThroughASegmentEndAndAMovedPoint) {
    model.setMinutos(0);
    model.setSegundos(16);
    const float span = model.W - 2 * model.MedioPunto;
    model.PuntoFR.setFlat(span, model.topForBase(441));
    model.Punto.setFlat(span, model.topForBinaural(2));
    model.Punto[2].Top = model.topForBinaural(4);
    ASSERT_TRUE(model.Punto.insert(2, span / 2, model.topForBinaural(10)));
    play({PulseType::Isochronic});
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

TEST_F(PulseTypes, TheMaskPlaysItsColoursFile) {
    view.binaural = false;
    view.mascara = true;
    view.volMascara = 70;
    for (NoiseColour c : {NoiseColour::Pink, NoiseColour::Brown}) {
        SCOPED_TRACE(playback::noiseWaveName(c));
        out.clear();
        play({PulseType::Binaural, c});
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
