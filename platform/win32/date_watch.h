#pragma once
// The Windows date watch: a hidden window's timer, and the system's broadcasts of a time
// change and of a resume from suspend. Open to tests: the window that hears them.

#include "platform/system_date_watch.h"
#include "platform/window_proc.h"

namespace tarnvel::platform::win32 {

class Win32DateWatch final : public SystemDateWatch {
public:
    explicit Win32DateWatch(NextWake next = NextLocalMidnight);
    ~Win32DateWatch() override;
    Win32DateWatch(const Win32DateWatch&) = delete;
    Win32DateWatch& operator=(const Win32DateWatch&) = delete;

    // The hidden top-level window that carries the timer and receives WM_TIMECHANGE and
    // WM_POWERBROADCAST; 0 before the first Start.
    WindowHandle Window() const { return window_; }

private:
    friend struct DateWatchWindow;
    bool Open() override;
    bool Set(WallTime deadline) override;
    void Unset() override;
    bool Wait();
    // The window's messages it acts on; false for the others.
    bool Message(std::uint32_t msg, WPARAM_ wp);

    WindowHandle window_ = 0;
};

}  // namespace tarnvel::platform::win32
