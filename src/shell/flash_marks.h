// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the strip's warning edges on the beat segments that flash through
// 15-20 Hz, while the glasses are on; follows every change of the session.
#include "session/session_model.h"

namespace vs::session {
class StripView;
} // namespace vs::session
namespace vs::glasses {
struct GlassesSettings;
}

namespace vs::shell {

class FlashRiskMarks {
public:
    FlashRiskMarks(session::SessionModel& model, session::StripView& strip,
                   const glasses::GlassesSettings& settings);
    ~FlashRiskMarks() = default;
    FlashRiskMarks(const FlashRiskMarks&) = delete;
    FlashRiskMarks& operator=(const FlashRiskMarks&) = delete;

    // Also after the glasses were switched on or off.
    void update();

private:
    session::SessionModel& model_;
    session::StripView& strip_;
    const glasses::GlassesSettings& settings_;
    session::ListenerHandle listener_;
};

} // namespace vs::shell
