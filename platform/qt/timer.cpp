#include "platform/timer.h"

#include <QTimer>

namespace tarnvel::platform {

struct Timer::Impl {
    QTimer timer;
};

Timer::Timer() : impl_(std::make_unique<Impl>()) {
    impl_->timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&impl_->timer, &QTimer::timeout, [this] {
        if (on_tick) on_tick();
    });
}

Timer::~Timer() = default;

void Timer::SetInterval(int ms) { impl_->timer.setInterval(ms < 0 ? 0 : ms); }
int Timer::Interval() const { return impl_->timer.interval(); }

void Timer::SetEnabled(bool on) {
    if (on)
        impl_->timer.start();
    else
        impl_->timer.stop();
}
bool Timer::Enabled() const { return impl_->timer.isActive(); }

}  // namespace tarnvel::platform
