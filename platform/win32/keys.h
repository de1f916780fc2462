#pragma once
// The window's keys on Win32 (platform/window.h, on_key) and the keyboard's mark.

#include <windows.h>

#include "platform/window.h"

namespace tarnvel::platform::win32 {

// Whether the virtual key is one of on_key's: Tab, Enter, Space, Esc.
bool IsWindowKey(WPARAM vk);
// Hands a WM_KEYDOWN's key to the window's on_key; true: it was used.
bool DeliverKey(Window& w, WPARAM vk);
// The keyboard's mark round a control's box (client pixels).
void DrawFocusMark(HDC dc, RECT r);

}  // namespace tarnvel::platform::win32
