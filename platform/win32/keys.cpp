#include "platform/win32/keys.h"

namespace tarnvel::platform::win32 {

bool IsWindowKey(WPARAM vk) { return vk == VK_TAB || vk == VK_RETURN || vk == VK_SPACE || vk == VK_ESCAPE; }

bool DeliverKey(Window& w, WPARAM vk) {
    if (!w.on_key) return false;
    // With Ctrl or Alt the key is someone else's (Alt+Tab, Ctrl+Space).
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    Key k;
    switch (vk) {
        case VK_TAB: k = shift ? Key::BackTab : Key::Tab; break;
        case VK_RETURN: k = Key::Enter; break;
        case VK_SPACE:
            if (shift) return false;
            k = Key::Space;
            break;
        case VK_ESCAPE: k = Key::Escape; break;
        default: return false;
    }
    // A copy: the handler may destroy the window.
    const auto handler = w.on_key;
    return handler(k);
}

void DrawFocusMark(HDC dc, RECT r) {
    // DrawFocusRect draws with XOR in the text colour: black text and a plain frame.
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &r);
}

}  // namespace tarnvel::platform::win32
