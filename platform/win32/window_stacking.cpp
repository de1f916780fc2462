#include "platform/window_stacking.h"

#include "platform/win32/window_impl.h"

namespace tarnvel::platform {

void SetTopMost(Window& w, bool on) {
    HWND hwnd = w.impl().hwnd;
    if (!hwnd) return;
    SetWindowPos(hwnd, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool TopMost(const Window& w) {
    HWND hwnd = w.impl().hwnd;
    return hwnd && (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

}  // namespace tarnvel::platform
