#include "platform/win32/hidden_window.h"

namespace tarnvel::platform::win32 {

HWND CreateHiddenWindow(const wchar_t* window_class, WNDPROC proc, void* self, const wchar_t* title) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    c.lpfnWndProc = proc;
    c.hInstance = instance;
    c.lpszClassName = window_class;
    RegisterClassExW(&c);  // fails harmlessly when registered before
    return CreateWindowExW(WS_EX_TOOLWINDOW, window_class, title, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                           self);
}

void* HiddenWindowSelf(HWND hwnd, UINT msg, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<void*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace tarnvel::platform::win32
