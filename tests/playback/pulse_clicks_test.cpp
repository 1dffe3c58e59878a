// SPDX-License-Identifier: GPL-3.0-or-later
// The isochronic pulse heard by the verification's click detector: a tone at
// the player's level, pulsed as the mixer will (a new rate before every
// block), has no click at any rate of the beat range over the carriers the
// base curve reaches; with the edges switched hard the same detector finds
// them.
#include "audio/pulse_envelope.h"
#include "playback/render_analysis.h"
#include "playback/session_render.h"
#include "session/session_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace vs;
using namespace vs::playback;

namespace {

constexpr int kRate = 44100;
constexpr int kBlock = 256;

struct Pulsed {
    double carrier, rate;
    double switchOnAt; // seconds; < 0: pulsing from the start
};

// The analyser's clicks over a few seconds of the carrier pulsed at `rate`,
// both channels alike, the curves drawn flat at those values.
std::int64_t clicksIn(const Pulsed& p, bool softEdges) {
    session::SessionModel model;
    model.setMinutos(0);
    model.setSegundos(4);
    model.FrecBinauralMax = 30;
    model.FrecBaseMax = std::max(450, int(std::ceil(p.carrier)));
    model.Punto.setFlat(model.W - 2 * model.MedioPunto, model.topForBinaural(p.rate));
    model.PuntoFR.setFlat(model.W - 2 * model.MedioPunto, model.topForBase(p.carrier));
    ExportOptions options;
    options.volumenBinaural = 100;
    const double peak = tonePeakFor(options);

    const int frames = 4 * kRate;
    std::vector<float> x(2 * std::size_t(frames));
    audio::PulseEnvelope envelope(kRate, softEdges);
    envelope.start({p.rate, p.switchOnAt < 0});
    for (int at = 0; at < frames; at += kBlock) {
        envelope.set({p.rate, p.switchOnAt < 0 || at >= p.switchOnAt * kRate});
        const int n = std::min(kBlock, frames - at);
        for (int i = at; i < at + n; ++i) {
            // The voice's tone runs on its own, not in step with the pulses.
            const auto v =
                float(peak * std::sin(2 * std::numbers::pi * p.carrier * double(i) / kRate + 1));
            x[2 * std::size_t(i)] = x[2 * std::size_t(i) + 1] = v;
        }
        envelope.apply(x.data() + 2 * std::ptrdiff_t(at), n, 2);
    }
    RenderAnalyser analyser(model, options);
    analyser.write(x.data(), frames);
    const VerificationReport& r = analyser.finish();
    EXPECT_TRUE(r.clicksChecked);
    return r.clicks;
}

} // namespace

TEST(PulseClicks, EdgesDoNotClickAndHardSwitchingDoes) {
    for (const Pulsed p : {Pulsed{1000, 30, -1}, Pulsed{450, 0.5, -1}, Pulsed{450, 13.7, -1},
                           Pulsed{250, 30, -1}, Pulsed{100, 4, -1}, Pulsed{100, 30, -1},
                           Pulsed{36, 30, -1}, Pulsed{200, 10, 1.37}, Pulsed{60, 0.5, 0.7}}) {
        EXPECT_EQ(clicksIn(p, true), 0) << p.carrier << " Hz pulsed at " << p.rate << " Hz";
        EXPECT_GT(clicksIn(p, false), 0) << p.carrier << " Hz pulsed at " << p.rate << " Hz";
    }
}
