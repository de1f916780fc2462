// Window procedures of real windows: subclassing through the window's procedure slot.
//
// The program's windows are Unicode windows, so procedures are installed and called through
// the W functions. Installing through SetWindowLongA would turn a window into an ANSI window:
// the system would then translate every text message for it into the 8-bit code page and
// back, and Gurmukhi or any other text outside that code page would come out as '?'.

#include <windows.h>

#include "platform/win32/services.h"

namespace tarnvel::platform::win32 {
namespace {

class Win32WindowMessages final : public WindowMessages {
public:
    WndProc SetWindowLongA(WindowHandle hWnd, int index, WndProc proc) override {
        const HWND h = reinterpret_cast<HWND>(hWnd);
        if (index != GWL_WNDPROC_ || !proc || !IsWindow(h)) return nullptr;
#ifdef _WIN64
        const LONG_PTR prev = SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
#else
        const LONG prev = SetWindowLongW(h, GWL_WNDPROC, reinterpret_cast<LONG>(proc));
#endif
        return reinterpret_cast<WndProc>(prev);
    }

    LRESULT_ CallWindowProcA(WndProc prev, WindowHandle hWnd, std::uint32_t uMsg, WPARAM_ wParam,
                             LPARAM_ lParam) override {
        if (!prev) return 0;
        // `prev` may be a handle the system gave out instead of an address (a procedure of the
        // other character set): only CallWindowProc knows how to run it.
        const auto proc = reinterpret_cast<WNDPROC>(reinterpret_cast<LONG_PTR>(prev));
        return ::CallWindowProcW(proc, reinterpret_cast<HWND>(hWnd), uMsg, wParam, lParam);
    }

    bool SetForegroundWindow(WindowHandle hWnd) override {
        return ::SetForegroundWindow(reinterpret_cast<HWND>(hWnd)) != FALSE;
    }

    bool PostMessageA(WindowHandle hWnd, std::uint32_t uMsg, WPARAM_ wParam, LPARAM_ lParam) override {
        // A null window would post to this thread's queue instead, and the broadcast handle
        // to every window: neither is a window the desktop code knows.
        const HWND h = reinterpret_cast<HWND>(hWnd);
        if (!IsWindow(h)) return false;
        // PostMessageW: the messages the desktop posts carry no text.
        return ::PostMessageW(h, uMsg, wParam, lParam) != FALSE;
    }
};

}  // namespace

std::unique_ptr<WindowMessages> MakeWindowMessages() { return std::make_unique<Win32WindowMessages>(); }

}  // namespace tarnvel::platform::win32
