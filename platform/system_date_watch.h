#pragma once
// The system's date watch: on Linux a wall-clock timerfd that the kernel cancels when the
// clock is set, and an inotify watch on the time-zone file (platform/qt/date_watch.cpp); on
// Windows a hidden window's timer, with the system's time-change and resume broadcasts
// (platform/win32/date_watch.cpp). What they share is here.

#include <chrono>
#include <functional>
#include <memory>

#include "platform/date_watch.h"

namespace tarnvel::platform {

using WallTime = std::chrono::system_clock::time_point;
// When to wake next, after `now`: always later than `now`.
using NextWake = std::function<WallTime(WallTime now)>;

// The first second of the next local day after `now`, by the time zone in force; an hour
// after `now` when the local date cannot be told.
WallTime NextLocalMidnight(WallTime now);
// The local date at `t` by the time zone in force, as the number yyyymmdd; 0 when it cannot
// be told. Each platform has its own.
long LocalDayAt(WallTime t);

// Wakes at each `next` (the next local midnight unless tests choose nearer times) and at the
// system's changes of the clock, the zone and the power state. Nothing is created before
// the first Start.
std::unique_ptr<DateWatch> MakeSystemDateWatch(NextWake next = NextLocalMidnight);

// Start and Stop around a platform's timer and its wake-ups.
class SystemDateWatch : public DateWatch {
public:
    bool Start(std::function<void()> changed) final;
    void Stop() final;
    bool Started() const final { return static_cast<bool>(changed_); }
    // The wake-up the timer is set for (it fires kLateness after it); the epoch when stopped.
    WallTime ArmedFor() const { return deadline_; }

protected:
    // The timer fires this long after the wake-up, so that the date the calendar reads has moved
    // on: time() reads a coarse copy of the wall clock, which lags it by up to one kernel tick
    // (10 ms at 100 Hz).
    static constexpr std::chrono::milliseconds kLateness{20};

    explicit SystemDateWatch(NextWake next) : next_(std::move(next)) {}
    // What the platform's watch needs, made at the first Start; false when the system has none.
    virtual bool Open() = 0;
    // Sets the platform's timer to fire kLateness after `deadline`; false when it refused.
    virtual bool Set(WallTime deadline) = 0;
    // Lets go of the timer and of everything else that wakes the watch.
    virtual void Unset() = 0;
    // Takes up the time zone's rules as they are now, where the platform keeps a copy of them.
    virtual void ReadZone() {}
    // The platform's wake-up (the timer, a change of the clock or zone, a resume): set again for
    // the next one, then the caller told. Nothing when stopped.
    void Woke();

private:
    bool Arm();

    NextWake next_;
    std::function<void()> changed_;
    WallTime deadline_{};
};

}  // namespace tarnvel::platform
