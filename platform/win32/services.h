#pragma once
// The desktop services of the Win32 platform, created once by the Application.

#include <memory>

#include "platform/notify_icon.h"
#include "platform/window_proc.h"

namespace tarnvel::platform::win32 {

// Shell_NotifyIconA itself; the icon is added again when the desktop's shell restarts.
std::unique_ptr<NotifyIcon> MakeNotifyIcon();
// Window procedures installed with SetWindowLongPtrW and run with CallWindowProcW (the windows
// are Unicode windows).
std::unique_ptr<WindowMessages> MakeWindowMessages();

}  // namespace tarnvel::platform::win32
