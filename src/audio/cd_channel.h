// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The CD channel (handle 0) as bass.cpp routes it: the state and the stop of
// the track BASS_CDPlay started (cd.cpp). Not for other subsystems; they use
// bass.h and cd.h.

namespace vs::audio::detail {

// UI thread. True from BASS_CDPlay until the track has played out (every
// sector read and the line's ring drained) or was stopped.
bool cdTrackPlaying();
// UI thread. Stops the CD track, takes its source off the CD line and joins
// its reader thread. True when a track was there to stop.
bool stopCdTrack();

} // namespace vs::audio::detail
