// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A LED sequencer over doubles (a manual clock, a recording port and
// indicators), for what drives one: the sequence chooser, above all.
#include "glasses/led_sequencer.h"
#include "manual_step_clock.h"
#include "recording_indicators.h"
#include "recording_led_port.h"

namespace vs::glasses {

struct SequencerOnDoubles {
    GlassesSettings settings;
    SequencerState state;
    ManualStepClock clock;
    RecordingLedPort port;
    RecordingIndicators view;
    LedSequencer sequencer{settings, state, clock, port, view};
};

} // namespace vs::glasses
