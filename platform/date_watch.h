#pragma once
// A wake-up for each change of the local date, for a program that otherwise sleeps: at every
// local midnight, and whenever the wall clock is set, the time zone changes or the machine
// resumes from a suspend (any of which may move the date), and at no other time.

#include <functional>

namespace tarnvel::platform {

class DateWatch {
public:
    virtual ~DateWatch() = default;
    // Calls `changed` on the user-interface thread after each of those events until Stop; a
    // second Start replaces the first.
    // Fails (false, and `changed` is never called) where the system gives no such wake-up.
    virtual bool Start(std::function<void()> changed) = 0;
    // Nothing is called after it returns; nothing happens when the watch is not started.
    virtual void Stop() = 0;
    virtual bool Started() const = 0;
};

}  // namespace tarnvel::platform
