// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading one tone from one second of one rendered channel: its frequency
// near the one expected, and its level.
//
// Thread rule: any thread; the work tables are the caller's.
#include <vector>

namespace vs::playback {

struct ToneReading {
    double hz = 0;
    double level = 0; // the tone's peak
    bool found = false;
};

// The tone near `hz` in `frames` samples (up to one second at the mix rate)
// of one channel, followed by its phase through ten windowed tenths, so an
// error of a few hundredths of a hertz shows; a tone more than 4 Hz off may
// be read wrong. `re` and `im` are the caller's scratch tables, reused
// from call to call.
ToneReading readTone(const float* x, int frames, double hz, std::vector<float>& re,
                     std::vector<float>& im);

} // namespace vs::playback
