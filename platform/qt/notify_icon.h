#pragma once
#include <memory>

#include "platform/notify_icon.h"

namespace tarnvel::platform::qt {

// The notification icon as a QSystemTrayIcon: the record's icon and tooltip are
// shown, and its clicks reach the record's window as its callback message with
// WM_LBUTTONUP or WM_RBUTTONUP, posted as the desktop shell posts them.
class QtNotifyIcon final : public NotifyIcon {
public:
    QtNotifyIcon();
    ~QtNotifyIcon() override;
    bool Shell_NotifyIconA(std::uint32_t message, const NotifyIconRecord& record) override;
    bool AreaAvailable() const override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace tarnvel::platform::qt
