#include "platform/timer.h"

#include <windows.h>

#include <map>

namespace tarnvel::platform {

struct Timer::Impl {
    Timer* owner = nullptr;
    int interval = 0;
    UINT_PTR id = 0;  // the running thread timer; 0 when disabled
    bool ticking = false;

    // Thread timers: the system gives each its id, so the running ones are found by it.
    static std::map<UINT_PTR, Impl*>& Running() {
        static std::map<UINT_PTR, Impl*> running;
        return running;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        const auto it = Running().find(id);
        if (it == Running().end()) return;
        Impl* self = it->second;
        // A handler that runs a modal loop (a message box) must not be entered again by its
        // own timer.
        if (self->ticking) return;
        const auto handler = self->owner->on_tick;  // a copy: the handler may destroy the timer
        if (!handler) return;
        self->ticking = true;
        handler();
        if (const auto again = Running().find(id); again != Running().end()) again->second->ticking = false;
    }

    void Stop() {
        if (!id) return;
        KillTimer(nullptr, id);
        Running().erase(id);
        id = 0;
        ticking = false;
    }
    void Start() {
        Stop();
        // 0 and 1 are raised by the system to its shortest interval.
        id = SetTimer(nullptr, 0, static_cast<UINT>(interval), Tick);
        if (id) Running()[id] = this;
    }
};

Timer::Timer() : impl_(std::make_unique<Impl>()) { impl_->owner = this; }

Timer::~Timer() { impl_->Stop(); }

void Timer::SetInterval(int ms) {
    impl_->interval = ms < 0 ? 0 : ms;
    if (impl_->id) impl_->Start();
}
int Timer::Interval() const { return impl_->interval; }

void Timer::SetEnabled(bool on) {
    if (on)
        impl_->Start();
    else
        impl_->Stop();
}
bool Timer::Enabled() const { return impl_->id != 0; }

}  // namespace tarnvel::platform
