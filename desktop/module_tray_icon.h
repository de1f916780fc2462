#pragma once
// The notification-area icon of the strip and the strip's window procedure, which
// receives the icon's clicks and the window manager's minimise and restore.

#include <functional>
#include <string_view>

#include "desktop/tray_icon_data.h"
#include "platform/notify_icon.h"
#include "platform/window_proc.h"

namespace tarnvel::platform {
class Menu;
}

namespace tarnvel {

// What the icon needs of the window that carries it.
class TrayHost {
public:
    virtual ~TrayHost() = default;
    virtual platform::WindowHandle Handle() const = 0;
    virtual platform::IconHandle Icon() const = 0;
    virtual bool Visible() const = 0;
    virtual void Hide() = 0;
    virtual void Show() = 0;
    // Opens `menu` at the pointer; returns after it closed and after the chosen item's handler ran.
    virtual void PopupMenu(platform::Menu& menu) = 0;
    // A hook for the window's state after the procedure hid (1) or showed (0) it.
    virtual void SetTrayMenuItems(int window_state) = 0;
};

struct TrayIconModule {
    TrayHost* TrayForm = nullptr;  // the strip, from AddTrayIcon until its window is destroyed
    platform::Menu* TrayMenu = nullptr;
    platform::WndProc PrevWndProc = nullptr;  // kept after RemoveTrayIcon
    TrayIconRecord TrayIconData;

    // The platform's calls and the all-windows operation the procedure uses.
    platform::NotifyIcon* notify = nullptr;
    platform::WindowMessages* messages = nullptr;
    std::function<void()> ShowAllForms;
};

inline TrayIconModule ModuleTrayIcon;

void AddTrayIcon(TrayHost& Form, platform::Menu& Menu);
void SetTrayTip(std::string_view Text);
void RemoveTrayIcon();
platform::LRESULT_ TARNVEL_CALLBACK TrayWindowProc(platform::WindowHandle hWnd, std::uint32_t uMsg, platform::WPARAM_ wParam,
                                  platform::LPARAM_ lParam);

}  // namespace tarnvel
