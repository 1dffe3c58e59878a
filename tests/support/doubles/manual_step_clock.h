// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Step-clock double: ticks only when the test calls fire().
#include "glasses/step_clock.h"

#include <cstdint>

namespace vs::glasses {

class ManualStepClock : public StepClock {
public:
    std::int32_t interval() const override { return interval_; }
    void setInterval(std::int32_t ms) override {
        if (enabled_ && ms != interval_) ++restarts;
        interval_ = ms;
    }
    bool enabled() const override { return enabled_; }
    void setEnabled(bool on) override {
        if (on && !enabled_) ++starts;
        enabled_ = on;
    }
    // A tick of a running clock; a stopped clock does not tick.
    void fire() {
        if (enabled_ && onTick) onTick();
    }

    int starts = 0;
    int restarts = 0;

private:
    std::int32_t interval_ = 10;
    bool enabled_ = false;
};

} // namespace vs::glasses
