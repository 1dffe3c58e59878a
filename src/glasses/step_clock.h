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
