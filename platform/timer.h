#pragma once
// A repeating timer on the user-interface thread. Ticks never overlap with each
// other or with event handlers.

#include <functional>
#include <memory>

namespace tarnvel::platform {

class Timer {
public:
    Timer();  // disabled, interval 0
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // Milliseconds; 0 or 1 tick as fast as the platform's timers allow.
    void SetInterval(int ms);
    int Interval() const;
    // Enabling a running timer restarts its interval.
    void SetEnabled(bool on);
    bool Enabled() const;

    std::function<void()> on_tick;

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace tarnvel::platform
