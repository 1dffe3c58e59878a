// SPDX-License-Identifier: GPL-3.0-or-later
#include "flash_marks.h"

#include "glasses/flash_risk.h"
#include "glasses/state.h"
#include "session/session_model.h"
#include "session/strip_view.h"

#include <QCoreApplication>

namespace vs::shell {

FlashRiskMarks::FlashRiskMarks(session::SessionModel& model, session::StripView& strip,
                               const glasses::GlassesSettings& settings)
    : model_(model), strip_(strip), settings_(settings) {
    listener_ = model_.addListener([this] { update(); });
    update();
}

void FlashRiskMarks::update() {
    if (!settings_.GafasMentales) {
        strip_.setMarkedCells({}, {});
        return;
    }
    std::vector<std::pair<double, double>> segmentos;
    for (int i = 1; i < int{model_.NumPuntos} && i < session::kMaxPuntos; ++i)
        segmentos.emplace_back(model_.binauralHz(model_.Punto[i].Top),
                               model_.binauralHz(model_.Punto[i + 1].Top));
    strip_.setMarkedCells(
        glasses::segmentosDeRiesgo(segmentos),
        QCoreApplication::translate("FlashRiskMarks",
                                    "Este tramo destella entre 15 y 20 Hz: es la zona de "
                                    "mayor riesgo para personas fotosensibles."));
}

} // namespace vs::shell
