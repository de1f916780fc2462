#pragma once
// A hidden top-level window for a service that listens to the system: broadcasts (a time
// change, a power event, the taskbar's creation) reach top-level windows only, never
// message-only ones, and FindWindow sees only top-level windows too.

#include <windows.h>

namespace tarnvel::platform::win32 {

// Registers `window_class` with `proc` at its first use and creates a window of it that is
// never shown; `self` is what HiddenWindowSelf gives `proc` back. Null when it cannot be made.
HWND CreateHiddenWindow(const wchar_t* window_class, WNDPROC proc, void* self, const wchar_t* title = L"");
// For `proc`: the `self` the window was created with (kept at WM_NCCREATE); null before that.
void* HiddenWindowSelf(HWND hwnd, UINT msg, LPARAM lp);

}  // namespace tarnvel::platform::win32
