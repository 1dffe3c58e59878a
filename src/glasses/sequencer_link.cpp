// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequencer_link.h"

namespace vs::glasses {

SequencerLink::SequencerLink(StepClock& clock, LedPort& port, LedIndicators& indicators,
                             const GlassesSettings& settings, SequencerState state)
    : clock_(clock), port_(port), indicators_(indicators), settings_(settings), state_(state),
      sequencer_(settings_, state_, clock_, port_, indicators_) {}

void SequencerLink::darken() {
    MostrarLeds(indicators_, 0);
    if (settings_.GafasMentales) port_.Out32(settings_.PuertoLed, 0);
}

} // namespace vs::glasses
