#include "step_clock.h"

#include "tickora.h"

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

} // namespace vs::glasses
