#pragma once
// Window procedures of the program's windows, by handle, and the icons the
// notification area may ask for by handle.

#include <QIcon>

#include "platform/window.h"
#include "platform/window_proc.h"

namespace tarnvel::platform::qt {

WindowHandle RegisterWindow(Window* w);
void ForgetWindow(WindowHandle h);
Window* FindWindow(WindowHandle h);

// Delivers a message to the window's current procedure; 0 for an unknown window.
LRESULT_ Dispatch(WindowHandle h, std::uint32_t msg, WPARAM_ wParam, LPARAM_ lParam);
// Delivers it once the current event has been handled, if the window still exists then.
void Post(WindowHandle h, std::uint32_t msg, WPARAM_ wParam, LPARAM_ lParam);

// One handle per picture name, however often windows ask for it.
IconHandle RegisterIcon(const QString& picture, const QIcon& icon);
QIcon FindIcon(IconHandle h);

class QtWindowMessages final : public WindowMessages {
public:
    WndProc SetWindowLongA(WindowHandle hWnd, int index, WndProc proc) override;
    LRESULT_ CallWindowProcA(WndProc prev, WindowHandle hWnd, std::uint32_t uMsg, WPARAM_ wParam,
                             LPARAM_ lParam) override;
    bool SetForegroundWindow(WindowHandle hWnd) override;
    bool PostMessageA(WindowHandle hWnd, std::uint32_t uMsg, WPARAM_ wParam, LPARAM_ lParam) override;
};

}  // namespace tarnvel::platform::qt
