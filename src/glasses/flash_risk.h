// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which beat segments cross the band where flashing light most often
// triggers seizures in photosensitive people. The glasses flash at the beat
// frequency, so a segment whose beat passes through the band flashes there.
#include <utility>
#include <vector>

namespace vs::glasses {

inline constexpr double kRiesgoDesdeHz = 15.0;
inline constexpr double kRiesgoHastaHz = 20.0;

// A linear segment from f0 to f1 Hz touches the band (edges included).
bool pasaPorRiesgo(double f0, double f1);

// 1-based numbers of the segments (start Hz, end Hz) that touch the band.
std::vector<int> segmentosDeRiesgo(const std::vector<std::pair<double, double>>& segmentos);

} // namespace vs::glasses
