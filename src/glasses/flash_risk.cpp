// SPDX-License-Identifier: GPL-3.0-or-later
#include "flash_risk.h"

#include <algorithm>

namespace vs::glasses {

bool pasaPorRiesgo(double f0, double f1) {
    return std::max(f0, f1) >= kRiesgoDesdeHz && std::min(f0, f1) <= kRiesgoHastaHz;
}

std::vector<int> segmentosDeRiesgo(const std::vector<std::pair<double, double>>& segmentos) {
    std::vector<int> out;
    for (std::size_t i = 0; i < segmentos.size(); ++i)
        if (pasaPorRiesgo(segmentos[i].first, segmentos[i].second))
            out.push_back(static_cast<int>(i) + 1);
    return out;
}

} // namespace vs::glasses
