#include "platform/qt/window_messages.h"

#include <QTimer>
#include <QWidget>
#include <map>

#include "platform/qt/window_impl.h"

namespace tarnvel::platform::qt {
namespace {

// The window manager has already done what a minimise or restore asks by the time
// the message arrives, so the first procedure of every window has nothing to add.
LRESULT_ TARNVEL_CALLBACK DefaultWindowProc(WindowHandle, std::uint32_t, WPARAM_, LPARAM_) { return 0; }

struct Entry {
    Window* window;
    WndProc proc;
};

std::map<WindowHandle, Entry>& windows() {
    static std::map<WindowHandle, Entry> m;
    return m;
}

struct Icons {
    std::map<IconHandle, QIcon> by_handle;
    std::map<QString, IconHandle> by_name;
};

Icons& icons() {
    static Icons m;
    return m;
}

}  // namespace

WindowHandle RegisterWindow(Window* w) {
    static WindowHandle next = 0x10000;
    next += 4;
    windows()[next] = {w, &DefaultWindowProc};
    return next;
}

void ForgetWindow(WindowHandle h) { windows().erase(h); }

Window* FindWindow(WindowHandle h) {
    const auto it = windows().find(h);
    return it == windows().end() ? nullptr : it->second.window;
}

LRESULT_ Dispatch(WindowHandle h, std::uint32_t msg, WPARAM_ wParam, LPARAM_ lParam) {
    const auto it = windows().find(h);
    if (it == windows().end()) return 0;
    return it->second.proc(h, msg, wParam, lParam);
}

void Post(WindowHandle h, std::uint32_t msg, WPARAM_ wParam, LPARAM_ lParam) {
    QTimer::singleShot(0, [=] { Dispatch(h, msg, wParam, lParam); });
}

IconHandle RegisterIcon(const QString& picture, const QIcon& icon) {
    static IconHandle next = 0x20000;
    auto& m = icons();
    if (const auto it = m.by_name.find(picture); it != m.by_name.end()) return it->second;
    next += 4;
    m.by_name[picture] = next;
    m.by_handle[next] = icon;
    return next;
}

QIcon FindIcon(IconHandle h) {
    const auto it = icons().by_handle.find(h);
    return it == icons().by_handle.end() ? QIcon() : it->second;
}

WndProc QtWindowMessages::SetWindowLongA(WindowHandle hWnd, int index, WndProc proc) {
    const auto it = windows().find(hWnd);
    if (it == windows().end() || index != GWL_WNDPROC_ || !proc) return nullptr;
    return std::exchange(it->second.proc, proc);
}

LRESULT_ QtWindowMessages::CallWindowProcA(WndProc prev, WindowHandle hWnd, std::uint32_t uMsg, WPARAM_ wParam,
                                           LPARAM_ lParam) {
    return prev ? prev(hWnd, uMsg, wParam, lParam) : 0;
}

bool QtWindowMessages::SetForegroundWindow(WindowHandle hWnd) {
    Window* w = FindWindow(hWnd);
    if (!w) return false;
    QWidget* form = w->impl().form.get();
    if (!form) return false;  // never shown: nothing to bring forward
    form->raise();
    form->activateWindow();
    return true;
}

bool QtWindowMessages::PostMessageA(WindowHandle hWnd, std::uint32_t uMsg, WPARAM_ wParam, LPARAM_ lParam) {
    if (!FindWindow(hWnd)) return false;
    Post(hWnd, uMsg, wParam, lParam);
    return true;
}

}  // namespace tarnvel::platform::qt
