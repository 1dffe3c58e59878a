// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The glasses joined to the window and the program's engine: the glasses'
// port wrapped in the light carried in the sound, the LED step clock
// (timerSecuencia) and the session player's glasses link over them, the
// report of a serial board that went away, and the lights an export may
// carry. The window owns the settings and the indicators.
#include "glasses/light_signal_port.h"
#include "glasses/sequencer_link.h"
#include "glasses/step_clock.h"
#include "links/player_links.h"

class QObject;

namespace vs {
class MessageService;
}
namespace vs::audio {
class Engine;
}
namespace vs::glasses {
class ParallelOrSerialPort;
}
namespace vs::session {
class GraphFrame;
class SessionModel;
} // namespace vs::session

namespace vs::shell {

class GlassesWiring {
public:
    // `output` is the program's glasses output (whose lost board is told
    // through `messages`, after the tick that found it, on `context`), `port`
    // whatever stands in front of it (the output itself, or a test's port).
    GlassesWiring(glasses::GlassesSettings& settings, glasses::LedIndicators& indicators,
                  glasses::ParallelOrSerialPort& output, glasses::LedPort& port,
                  audio::Engine& engine, MessageService& messages, QObject* context);
    ~GlassesWiring();
    GlassesWiring(const GlassesWiring&) = delete;
    GlassesWiring& operator=(const GlassesWiring&) = delete;

    // Start-up (Inicializar): the settings and the port from the preferences
    // (a port that cannot be driven told once), the light in the sound as
    // they say, the glasses dark, the sequence table.
    void iniciar();
    // The light in the sound follows the settings: it sounds only while the
    // glasses are on (so the photosensitivity warning came first) and chosen.
    void apply();
    // Exit: the step clock stops for good.
    void liberar();
    // A strip cell held down previews its sequence until it is let go or
    // the pointer leaves it.
    void followStrip(session::GraphFrame& graph, const session::SessionModel& model);
    // The glasses were switched off: the clock stops and the lights go out.
    void stopAndDarken();

    // The lights for an export starting now: offered under the same two
    // settings; empty otherwise.
    links::GlassesLinkFactory exportLights() const;

    glasses::LedPort& port() { return port_; }
    glasses::StepClock& clock() { return clock_; }
    glasses::SequencerLink& link() { return link_; }
    glasses::LedSequencer& sequencer() { return link_.sequencer(); }

private:
    bool lightInSound() const;

    glasses::GlassesSettings& settings_;
    glasses::ParallelOrSerialPort& output_;
    MessageService& messages_;
    glasses::LightSignalPort port_;
    glasses::TickoraStepClock clock_{10};
    glasses::SequencerLink link_;
};

} // namespace vs::shell
