// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_clock.h"

#include "tickora.h"

#include <algorithm>

namespace vs::glasses {

TickoraStepClock::TickoraStepClock(std::int32_t intervalMs)
    : timer_(std::make_unique<TickoraCls>()) {
    timer_->setInterval(intervalMs);
    QObject::connect(timer_.get(), &TickoraCls::Timer, [this] {
        if (onTick) onTick();
    });
}

TickoraStepClock::~TickoraStepClock() = default;

std::int32_t TickoraStepClock::interval() const {
    return timer_->Interval();
}
void TickoraStepClock::setInterval(std::int32_t ms) {
    timer_->setInterval(ms);
}
bool TickoraStepClock::enabled() const {
    return timer_->Enabled();
}
void TickoraStepClock::setEnabled(bool on) {
    timer_->setEnabled(on);
}

void SimulatedStepClock::setInterval(std::int32_t ms) {
    ms = std::max(ms, 1); // a clock of 0 ms would never let time move on
    if (enabled_ && ms != interval_) next_ = now_ + ms;
    interval_ = ms;
}

void SimulatedStepClock::setEnabled(bool on) {
    if (on && !enabled_) next_ = now_ + interval_;
    enabled_ = on;
}

void SimulatedStepClock::advanceTo(std::int64_t ms) {
    while (enabled_ && next_ <= ms) {
        now_ = next_;
        next_ += interval_;
        if (onTick) onTick();
    }
    now_ = std::max(now_, ms);
}

} // namespace vs::glasses
