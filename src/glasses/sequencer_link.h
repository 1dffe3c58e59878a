// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The session player's glasses: a LED sequencer stepping on `clock` and
// writing `port` and the indicators, with the settings it reads the glasses'
// switch and address from. Live play (the Tickora clock, the glasses' port,
// the window's indicators) and an export (a simulated clock, a port that
// drives the render's light signal, no indicators) are both this one link.
//
// Thread rule: the thread that drives the player.
#include "led_display.h"
#include "led_port.h"
#include "led_sequencer.h"
#include "links/player_links.h"
#include "state.h"
#include "step_clock.h"

namespace vs::glasses {

class SequencerLink : public links::GlassesLink {
public:
    // All four outlive the link. `state`: where the sequence starts.
    SequencerLink(StepClock& clock, LedPort& port, LedIndicators& indicators,
                  const GlassesSettings& settings, SequencerState state = {});

    // The same sequencer runs the strip's previews and the chooser.
    LedSequencer& sequencer() { return sequencer_; }

    bool GafasMentales() const override { return settings_.GafasMentales; }
    void setClockEnabled(bool on) override { clock_.setEnabled(on); }
    void setFrecuenciaLed(float hz) override { sequencer_.setFrecuenciaLed(hz); }
    void setSecuenciaActual(int sequence) override { sequencer_.setSecuenciaActual(sequence); }
    void darken() override;

private:
    StepClock& clock_;
    LedPort& port_;
    LedIndicators& indicators_;
    const GlassesSettings& settings_;
    SequencerState state_;
    LedSequencer sequencer_;
};

} // namespace vs::glasses
