// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The LED step clock seen by the sequencer: a periodic tick on the UI thread.
#include <cstdint>
#include <functional>
#include <memory>

class TickoraCls;

namespace vs::glasses {

class StepClock {
public:
    virtual ~StepClock() = default;
    virtual std::int32_t interval() const = 0;
    // Restarts a running clock only when the value differs.
    virtual void setInterval(std::int32_t ms) = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool on) = 0;

    // Run on every tick.
    std::function<void()> onTick;
};

// A step clock on simulated time, for an offline render: the ticks fall where
// a Tickora timer's would (the schedule starts when it is switched on, and a
// new interval restarts it from the tick that set it) and run as the render's
// time passes them.
class SimulatedStepClock : public StepClock {
public:
    std::int32_t interval() const override { return interval_; }
    void setInterval(std::int32_t ms) override;
    bool enabled() const override { return enabled_; }
    void setEnabled(bool on) override;
    // The next tick's time in ms; -1 while the clock is off.
    std::int64_t nextTickMs() const { return enabled_ ? next_ : -1; }
    // Time moves on to `ms`, running every tick due by then, in order.
    void advanceTo(std::int64_t ms);

private:
    std::int32_t interval_ = 10;
    std::int64_t now_ = 0;
    std::int64_t next_ = 0;
    bool enabled_ = false;
};

// The real clock: a Tickora timer, created disabled with a 10 ms interval.
class TickoraStepClock : public StepClock {
public:
    explicit TickoraStepClock(std::int32_t intervalMs = 10);
    ~TickoraStepClock() override;
    std::int32_t interval() const override;
    void setInterval(std::int32_t ms) override;
    bool enabled() const override;
    void setEnabled(bool on) override;
    TickoraCls& timer() { return *timer_; }

private:
    std::unique_ptr<TickoraCls> timer_;
};

} // namespace vs::glasses
