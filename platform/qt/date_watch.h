#pragma once
// The Linux date watch: a wall-clock timerfd, which the kernel cancels when the clock is set,
// and an inotify watch on the time-zone file. Open to tests: where that file lies.

#include <memory>
#include <string>

#include "platform/system_date_watch.h"

class QSocketNotifier;

namespace tarnvel::platform::qt {

class LinuxDateWatch final : public SystemDateWatch {
public:
    // `zone_file`: the file whose change or replacement brings new zone rules.
    explicit LinuxDateWatch(NextWake next = NextLocalMidnight, std::string zone_file = "/etc/localtime");
    ~LinuxDateWatch() override;
    LinuxDateWatch(const LinuxDateWatch&) = delete;
    LinuxDateWatch& operator=(const LinuxDateWatch&) = delete;

private:
    bool Open() override;
    bool Set(WallTime deadline) override;
    void Unset() override;
    void ReadZone() override;
    void TimerReady();
    void ZoneReady();
    void WatchZoneFile();

    std::string zone_file_, zone_folder_, zone_name_;
    int timer_fd_ = -1;
    int zone_fd_ = -1;
    int folder_watch_ = -1;
    std::unique_ptr<QSocketNotifier> timer_ready_, zone_ready_;
};

}  // namespace tarnvel::platform::qt
