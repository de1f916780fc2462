#pragma once
// Window procedures and messages, shaped like the Windows calls so that a Windows
// build passes them through. Elsewhere the platform turns its own events into these
// messages: the notification icon's clicks, the window manager's minimise and
// restore, and a window's destruction.

#include <cstdint>

namespace tarnvel::platform {

using WindowHandle = std::uintptr_t;  // 0 = no window
using IconHandle = std::uintptr_t;
using WPARAM_ = std::uintptr_t;
using LPARAM_ = std::intptr_t;
using LRESULT_ = std::intptr_t;
// Window procedures use the system's calling convention, so that a Windows build installs
// them as they are (the handle and parameters have the sizes of HWND, WPARAM and LPARAM).
#if defined(_WIN32) && !defined(_WIN64)
#define TARNVEL_CALLBACK __stdcall
#else
#define TARNVEL_CALLBACK
#endif
using WndProc = LRESULT_(TARNVEL_CALLBACK*)(WindowHandle hWnd, std::uint32_t uMsg, WPARAM_ wParam, LPARAM_ lParam);

inline constexpr int GWL_WNDPROC_ = -4;
inline constexpr std::uint32_t WM_NULL_ = 0x0000;
inline constexpr std::uint32_t WM_NCDESTROY_ = 0x0082;
inline constexpr std::uint32_t WM_SYSCOMMAND_ = 0x0112;
inline constexpr std::uint32_t WM_LBUTTONUP_ = 0x0202;
inline constexpr std::uint32_t WM_RBUTTONUP_ = 0x0205;
inline constexpr WPARAM_ SC_MINIMIZE_ = 0xF020;
inline constexpr WPARAM_ SC_RESTORE_ = 0xF120;

class WindowMessages {
public:
    virtual ~WindowMessages() = default;
    // Installs `proc` as the window's procedure and returns the one it replaces;
    // nullptr (and nothing installed) for an unknown window or another index.
    virtual WndProc SetWindowLongA(WindowHandle hWnd, int index, WndProc proc) = 0;
    // Runs `prev`, the platform's default behaviour when it is the first procedure.
    virtual LRESULT_ CallWindowProcA(WndProc prev, WindowHandle hWnd, std::uint32_t uMsg, WPARAM_ wParam,
                                     LPARAM_ lParam) = 0;
    // Brings the window to the front; false when the desktop refused.
    virtual bool SetForegroundWindow(WindowHandle hWnd) = 0;
    // Queues a message for the window's procedure; false for an unknown window.
    virtual bool PostMessageA(WindowHandle hWnd, std::uint32_t uMsg, WPARAM_ wParam, LPARAM_ lParam) = 0;
};

}  // namespace tarnvel::platform
