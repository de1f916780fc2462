#include "platform/qt/date_watch.h"

#include <sys/inotify.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <ctime>

namespace tarnvel::platform {

long LocalDayAt(WallTime t) {
    const std::time_t s = std::chrono::system_clock::to_time_t(t);
    std::tm local{};
    if (!localtime_r(&s, &local)) return 0;
    return (local.tm_year + 1900L) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

std::unique_ptr<DateWatch> MakeSystemDateWatch(NextWake next) {
    return std::make_unique<qt::LinuxDateWatch>(std::move(next));
}

namespace qt {
namespace {

timespec ToTimespec(std::chrono::nanoseconds d) {
    const auto s = std::chrono::duration_cast<std::chrono::seconds>(d);
    return {static_cast<std::time_t>(s.count()), static_cast<long>((d - s).count())};
}

}  // namespace

LinuxDateWatch::LinuxDateWatch(NextWake next, std::string zone_file)
    : SystemDateWatch(std::move(next)), zone_file_(std::move(zone_file)) {}

LinuxDateWatch::~LinuxDateWatch() {
    timer_ready_.reset();
    zone_ready_.reset();
    if (timer_fd_ >= 0) ::close(timer_fd_);
    if (zone_fd_ >= 0) ::close(zone_fd_);
}

// Without the zone watch the timer still wakes at midnight and at clock changes; a new zone is
// then taken up at the next of those.
bool LinuxDateWatch::Open() {
    if (timer_fd_ >= 0) return true;
    timer_fd_ = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (timer_fd_ < 0) return false;
    timer_ready_ = std::make_unique<QSocketNotifier>(timer_fd_, QSocketNotifier::Read);
    QObject::connect(timer_ready_.get(), &QSocketNotifier::activated, [this] { TimerReady(); });

    const auto slash = zone_file_.find_last_of('/');
    zone_folder_ = slash == std::string::npos ? "." : slash == 0 ? "/" : zone_file_.substr(0, slash);
    zone_name_ = slash == std::string::npos ? zone_file_ : zone_file_.substr(slash + 1);
    zone_fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (zone_fd_ >= 0) {
        // The file is replaced by a new link or file under its name (the folder's events), or
        // rewritten in place (the file's own, through a link to whatever it names).
        folder_watch_ = ::inotify_add_watch(zone_fd_, zone_folder_.c_str(),
                                            IN_CREATE | IN_MOVED_TO | IN_DELETE | IN_MOVED_FROM | IN_ONLYDIR);
        WatchZoneFile();
        zone_ready_ = std::make_unique<QSocketNotifier>(zone_fd_, QSocketNotifier::Read);
        QObject::connect(zone_ready_.get(), &QSocketNotifier::activated, [this] { ZoneReady(); });
    }
    return true;
}

void LinuxDateWatch::WatchZoneFile() {
    // Absent for a moment while it is being replaced: the folder's event follows.
    ::inotify_add_watch(zone_fd_, zone_file_.c_str(), IN_CLOSE_WRITE | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF);
}

// Absolute on the wall clock, and cancelled by the kernel when that clock is set. A deadline
// that passes during a suspend fires at the resume.
bool LinuxDateWatch::Set(WallTime deadline) {
    itimerspec spec{};
    spec.it_value = ToTimespec((deadline + kLateness).time_since_epoch());
    if (::timerfd_settime(timer_fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &spec, nullptr) != 0) return false;
    timer_ready_->setEnabled(true);
    if (zone_ready_) zone_ready_->setEnabled(true);
    return true;
}

void LinuxDateWatch::Unset() {
    if (timer_fd_ < 0) return;
    const itimerspec none{};
    ::timerfd_settime(timer_fd_, 0, &none, nullptr);
    timer_ready_->setEnabled(false);
    if (zone_ready_) zone_ready_->setEnabled(false);
}

// glibc reads the zone's rules again only when asked (mktime and tzset do, localtime_r not).
void LinuxDateWatch::ReadZone() { ::tzset(); }

void LinuxDateWatch::TimerReady() {
    std::uint64_t expirations = 0;
    const ssize_t n = ::read(timer_fd_, &expirations, sizeof expirations);
    if (n < 0 && errno != ECANCELED) return;  // nothing to read after all
    if (n >= 0) {
        const WallTime now = std::chrono::system_clock::now();
        if (now < ArmedFor()) {
            // The kernel's clock passed the deadline while the program's own is still before
            // it (a clock the program is shown shifted): wait out the difference on the
            // kernel's clock rather than wake again at once.
            itimerspec spec{};
            spec.it_value = ToTimespec(ArmedFor() - now + kLateness);
            ::timerfd_settime(timer_fd_, 0, &spec, nullptr);
            return;
        }
    }
    // Expired, or cancelled because the wall clock was set: the next wake-up follows the clock
    // as it is now.
    Woke();
}

void LinuxDateWatch::ZoneReady() {
    alignas(inotify_event) char buffer[4096];
    bool zone_changed = false;
    for (;;) {
        const ssize_t n = ::read(zone_fd_, buffer, sizeof buffer);
        if (n <= 0) break;
        for (ssize_t at = 0; at < n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
            const bool about_file = e->wd != folder_watch_ || (e->len > 0 && zone_name_ == e->name);
            if (about_file && !(e->mask & IN_IGNORED)) zone_changed = true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
        }
    }
    if (!zone_changed) return;
    WatchZoneFile();
    Woke();
}

}  // namespace qt
}  // namespace tarnvel::platform
