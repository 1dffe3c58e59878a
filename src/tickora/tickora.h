// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A periodic timer with millisecond periods whose Timer signal always arrives on
// the thread that enabled it, serialised with that thread's other events.
//
// A worker thread sleeps to absolute CLOCK_MONOTONIC deadlines and does nothing
// but post an event to a hidden receiver on the owning thread; ticks the owning
// thread has not yet handled queue up and are delivered one after another.
// Use an object from one thread only (normally the UI thread).
#include "tickora_export.h"

#include <QObject>
#include <cstdint>
#include <memory>

class TICKORA_EXPORT TickoraCls : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint32 Interval READ Interval WRITE setInterval)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)

public:
    explicit TickoraCls(QObject* parent = nullptr);
    // An enabled timer is stopped first; no Timer is raised after this returns.
    ~TickoraCls() override;

    // Returns/sets the number of milliseconds between calls to a Timer's Timer event.
    // Changing it while enabled restarts the timer, but only when the value differs.
    // A value of 0 or less is stored but produces no ticks.
    std::int32_t Interval() const;
    void setInterval(std::int32_t ms);

    // Returns/sets a value that determines whether an object can respond to
    // user-generated events. Setting the current value again does nothing.
    bool Enabled() const;
    void setEnabled(bool on);

    // Special CallBack Procedure - DO NOT USE!
    // Raises Timer only for the library's private access code; anything else is ignored.
    void Timer_Event(std::int32_t& code);

    // Diagnostics: the hidden receiver's handle and the worker's identifier, 0
    // while disabled. Every (re)start gets fresh ones.
    quintptr WindowHandle() const;
    quintptr TimerId() const;

signals:
    void Timer();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
