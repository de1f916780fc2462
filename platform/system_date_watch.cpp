// What the platforms' date watches share: the next local midnight, and Start and Stop.
//
// The midnight is searched for on the local date rather than computed from a local time of
// day: where the clocks go forward at midnight the day begins at the end of the gap, and a day
// may be 23, 24 or 25 hours long.
#include "platform/system_date_watch.h"

namespace tarnvel::platform {

WallTime NextLocalMidnight(WallTime now) {
    using namespace std::chrono;
    WallTime early = floor<seconds>(now);  // still today
    const long today = LocalDayAt(early);
    // A day is at most 25 hours long, so 26 hours on the date has changed.
    WallTime late = early + hours(26);
    if (today == 0 || LocalDayAt(late) <= today) return now + hours(1);
    while (late - early > seconds(1)) {
        const WallTime mid = early + duration_cast<seconds>((late - early) / 2);
        (LocalDayAt(mid) > today ? late : early) = mid;
    }
    return late;
}

}  // namespace tarnvel::platform

namespace tarnvel::platform {

bool SystemDateWatch::Start(std::function<void()> changed) {
    if (!changed || !Open()) {
        Stop();
        return false;
    }
    changed_ = std::move(changed);
    if (!Arm()) {
        Stop();
        return false;
    }
    return true;
}

void SystemDateWatch::Stop() {
    changed_ = nullptr;
    deadline_ = {};
    Unset();
}

bool SystemDateWatch::Arm() {
    ReadZone();
    const WallTime now = std::chrono::system_clock::now();
    deadline_ = next_(now);
    if (deadline_ <= now) deadline_ = now + std::chrono::seconds(1);
    return Set(deadline_);
}

void SystemDateWatch::Woke() {
    if (!changed_) return;
    Arm();
    const auto call = changed_;  // a copy: the call may stop or restart the watch
    call();
}

}  // namespace tarnvel::platform
