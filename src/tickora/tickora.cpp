// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickora.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <map>
#include <string>
#include <system_error>
#include <thread>

#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/timerfd.h>
#include <time.h>
#include <unistd.h>

namespace {

// Only the receiver below and Timer_Event know this value, so a stray caller
// of Timer_Event cannot fake a tick.
constexpr std::int32_t kAccessCode = 0x5A17C3E4;
constexpr QEvent::Type kTickEventType = QEvent::Type(5121);

// After a long stall (a stopped process, a debugger) the worker would owe many
// ticks at once; beyond this many it posts only this many.
constexpr std::uint64_t kMaxBurst = 1000;

class TickEvent : public QEvent {
public:
    explicit TickEvent(quintptr h) : QEvent(kTickEventType), handle(h) {}
    const quintptr handle;
};

// Timers enabled on this thread, by their receiver's handle as decimal text. A
// tick whose timer was disabled after it was posted finds no entry and is dropped.
thread_local std::map<std::string, TickoraCls*> registry;

std::atomic<quintptr> nextHandle{1};
std::atomic<quintptr> nextTimerId{1};

std::string keyOf(quintptr handle) {
    return std::to_string(handle);
}

// Hidden receiver living on the owning thread: turns posted ticks into Timer.
class Receiver : public QObject {
public:
    bool dispatching = false;
    bool releaseRequested = false;

protected:
    bool event(QEvent* e) override {
        if (e->type() != kTickEventType) return QObject::event(e);
        auto it = registry.find(keyOf(static_cast<TickEvent*>(e)->handle));
        if (it == registry.end()) return true;
        std::int32_t code = kAccessCode;
        // The handler may disable or even delete its timer; the receiver must
        // outlive this call, so its release is deferred until we are back here.
        dispatching = true;
        it->second->Timer_Event(code);
        dispatching = false;
        if (releaseRequested) deleteLater();
        return true;
    }
};

timespec addMs(timespec t, std::int64_t ms) {
    t.tv_sec += ms / 1000;
    t.tv_nsec += (ms % 1000) * 1000000L;
    if (t.tv_nsec >= 1000000000L) {
        t.tv_nsec -= 1000000000L;
        ++t.tv_sec;
    }
    return t;
}

// One thread per running timer. The kernel re-arms the timerfd from its previous
// expiry, so the schedule never drifts however late the thread wakes.
class Worker {
public:
    Worker(QObject* receiver, quintptr handle, timespec first, std::int32_t periodMs)
        : receiver_(receiver), handle_(handle) {
        timerFd_ = ::timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC);
        stopFd_ = ::eventfd(0, EFD_CLOEXEC);
        if (timerFd_ < 0 || stopFd_ < 0) return;
        itimerspec when{};
        when.it_value = first;
        when.it_interval = addMs(timespec{}, periodMs);
        if (::timerfd_settime(timerFd_, TFD_TIMER_ABSTIME, &when, nullptr) != 0) return;
        try {
            thread_ = std::thread([this] { run(); });
        } catch (const std::system_error&) {
            // Out of threads: the timer stays silent, as a failed system timer would.
        }
    }

    ~Worker() {
        if (thread_.joinable()) {
            std::uint64_t one = 1;
            [[maybe_unused]] auto n = ::write(stopFd_, &one, sizeof one);
            thread_.join();
        }
        if (timerFd_ >= 0) ::close(timerFd_);
        if (stopFd_ >= 0) ::close(stopFd_);
    }

    bool running() const { return thread_.joinable(); }

private:
    void run() {
        pthread_setname_np(pthread_self(), "tickora");
        pollfd fds[2] = {{timerFd_, POLLIN, 0}, {stopFd_, POLLIN, 0}};
        for (;;) {
            if (::poll(fds, 2, -1) < 0) {
                if (errno == EINTR) continue;
                return;
            }
            if (fds[1].revents) return;
            std::uint64_t expirations = 0;
            if (::read(timerFd_, &expirations, sizeof expirations) != sizeof expirations) continue;
            for (std::uint64_t i = 0; i < std::min(expirations, kMaxBurst); ++i)
                QCoreApplication::postEvent(receiver_, new TickEvent(handle_));
        }
    }

    QObject* receiver_;
    quintptr handle_;
    int timerFd_ = -1;
    int stopFd_ = -1;
    std::thread thread_;
};

} // namespace

struct TickoraCls::Impl {
    std::int32_t interval = 1000;
    bool enabled = false;
    Receiver* receiver = nullptr;
    quintptr handle = 0;
    quintptr timerId = 0;
    std::unique_ptr<Worker> worker;
};

TickoraCls::TickoraCls(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {}

TickoraCls::~TickoraCls() {
    setEnabled(false);
}

std::int32_t TickoraCls::Interval() const {
    return d->interval;
}

void TickoraCls::setInterval(std::int32_t ms) {
    if (d->enabled && ms != d->interval) {
        d->interval = ms;
        setEnabled(false);
        setEnabled(true);
    }
    d->interval = ms;
}

bool TickoraCls::Enabled() const {
    return d->enabled;
}

void TickoraCls::setEnabled(bool on) {
    if (on == d->enabled) return;
    d->enabled = on;
    if (on) {
        if (!d->handle) {
            d->receiver = new Receiver;
            d->handle = nextHandle.fetch_add(1);
            registry[keyOf(d->handle)] = this;
        }
        if (d->interval > 0) {
            // The schedule starts now, on the caller's clock, not when the
            // worker thread first runs.
            timespec now{};
            ::clock_gettime(CLOCK_MONOTONIC, &now);
            auto worker = std::make_unique<Worker>(d->receiver, d->handle, addMs(now, d->interval),
                                                   d->interval);
            if (worker->running()) {
                d->worker = std::move(worker);
                d->timerId = nextTimerId.fetch_add(1);
            }
        }
        return;
    }
    d->worker.reset(); // joins: nothing is posted after this
    d->timerId = 0;
    if (d->handle) {
        registry.erase(keyOf(d->handle));
        if (d->receiver->dispatching)
            d->receiver->releaseRequested = true;
        else
            delete d->receiver; // also discards its queued ticks
        d->receiver = nullptr;
        d->handle = 0;
    }
}

void TickoraCls::Timer_Event(std::int32_t& code) {
    if (code == kAccessCode) emit Timer();
}

quintptr TickoraCls::WindowHandle() const {
    return d->handle;
}

quintptr TickoraCls::TimerId() const {
    return d->timerId;
}
