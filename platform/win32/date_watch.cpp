#include "platform/win32/date_watch.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/hidden_window.h"

namespace tarnvel::platform {

namespace {

using namespace std::chrono;

// 100-nanosecond steps from 1601-01-01, where FILETIME counts from, to 1970-01-01.
constexpr long long kFileTimeAt1970 = 116444736000000000LL;

}  // namespace

long LocalDayAt(WallTime t) {
    const long long ticks = duration_cast<nanoseconds>(t.time_since_epoch()).count() / 100 + kFileTimeAt1970;
    FILETIME f{static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(static_cast<unsigned long long>(ticks) >> 32)};
    SYSTEMTIME utc, local;
    if (!FileTimeToSystemTime(&f, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) return 0;
    return local.wYear * 10000L + local.wMonth * 100 + local.wDay;
}

std::unique_ptr<DateWatch> MakeSystemDateWatch(NextWake next) {
    return std::make_unique<win32::Win32DateWatch>(std::move(next));
}

namespace win32 {
namespace {

constexpr const wchar_t* kWatchClass = L"TarnvelDateWatch";
constexpr UINT_PTR kTimerId = 1;

HWND Hwnd(WindowHandle h) { return reinterpret_cast<HWND>(h); }

}  // namespace

struct DateWatchWindow {
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = static_cast<Win32DateWatch*>(HiddenWindowSelf(hwnd, msg, lp));
        if (self && self->Message(msg, wp)) return msg == WM_POWERBROADCAST ? TRUE : 0;
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
};

Win32DateWatch::Win32DateWatch(NextWake next) : SystemDateWatch(std::move(next)) {}

Win32DateWatch::~Win32DateWatch() {
    if (window_) DestroyWindow(Hwnd(window_));
}

bool Win32DateWatch::Open() {
    if (!window_) window_ = reinterpret_cast<WindowHandle>(CreateHiddenWindow(kWatchClass, &DateWatchWindow::Proc, this));
    return window_ != 0;
}

bool Win32DateWatch::Set(WallTime) { return Wait(); }

// The timer counts the system's ticks, which can drift from the wall clock (a clock slewed
// towards a time server's): far from the deadline it is set a little short, and what is left
// is waited for again when it fires.
bool Win32DateWatch::Wait() {
    auto left = duration_cast<milliseconds>(ArmedFor() - system_clock::now()) + kLateness;
    if (left > minutes(1)) left -= left / 256;
    const auto ms = std::clamp<long long>(left.count(), 1, USER_TIMER_MAXIMUM);
    return SetTimer(Hwnd(window_), kTimerId, static_cast<UINT>(ms), nullptr) != 0;
}

void Win32DateWatch::Unset() {
    if (window_) KillTimer(Hwnd(window_), kTimerId);
}

bool Win32DateWatch::Message(std::uint32_t msg, WPARAM_ wp) {
    switch (msg) {
        case WM_TIMER:
            if (wp != kTimerId) return false;
            KillTimer(Hwnd(window_), kTimerId);
            if (Started() && system_clock::now() < ArmedFor())
                Wait();
            else
                Woke();
            return true;
        case WM_TIMECHANGE:  // the clock was set, or the time zone changed
            Woke();
            return true;
        case WM_POWERBROADCAST:
            if (wp == PBT_APMRESUMEAUTOMATIC || wp == PBT_APMRESUMESUSPEND) Woke();
            return true;
        default:
            return false;
    }
}

}  // namespace win32
}  // namespace tarnvel::platform
