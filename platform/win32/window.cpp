#include "platform/window.h"

#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "platform/win32/accessible.h"
#include "platform/win32/keys.h"
#include "platform/win32/convert.h"
#include "platform/win32/pictures.h"
#include "platform/win32/window_impl.h"

namespace tarnvel::platform {

namespace {

// Posted to a window by its first WM_PAINT; the desktop integration's procedure passes it on.
constexpr UINT FirstPaintedMessage = WM_APP + 1;

// A popup window with the thin one-pixel border and no title bar. The system menu and the
// minimise box make Alt+F4 and the taskbar's minimise and restore reach the window, and the
// children are left out of its own painting.
constexpr DWORD Style = WS_POPUP | WS_BORDER | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// In the taskbar like any program window, also while minimised.
constexpr DWORD ExStyle = WS_EX_APPWINDOW;

std::optional<MouseButton> ButtonOf(UINT msg) {
    switch (msg) {
        case WM_LBUTTONDOWN: case WM_LBUTTONUP: return MouseButton::Left;
        case WM_RBUTTONDOWN: case WM_RBUTTONUP: return MouseButton::Right;
        case WM_MBUTTONDOWN: case WM_MBUTTONUP: return MouseButton::Middle;
        default: return std::nullopt;
    }
}

bool IsDown(UINT msg) { return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN; }

class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

}  // namespace

namespace win32 {

void RegisterWindowClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Window::Impl::Proc;
    wc.hInstance = Instance();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = WindowClass;
    RegisterClassExW(&wc);
}

}  // namespace win32

LRESULT CALLBACK Window::Impl::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // The Impl is found through the window's user data, never through this procedure: the
    // desktop integration installs procedures of its own in front of it.
    if (msg == WM_NCCREATE) {
        auto* impl = static_cast<Impl*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        impl->hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(impl));
    }
    auto* impl = reinterpret_cast<Impl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!impl) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        impl->DropAccessible();
        impl->hwnd = nullptr;
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    return impl->Handle(msg, wp, lp);
}

LRESULT Window::Impl::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT client;
            GetClientRect(hwnd, &client);
            // Drawn off-screen first: the strip redraws its labels often, and would flicker.
            HDC mem = CreateCompatibleDC(dc);
            HBITMAP bmp = CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1));
            HGDIOBJ old = SelectObject(mem, bmp);
            Paint(mem, client);
            BitBlt(dc, 0, 0, client.right, client.bottom, mem, 0, 0, SRCCOPY);
            SelectObject(mem, old);
            DeleteObject(bmp);
            DeleteDC(mem);
            EndPaint(hwnd, &ps);
            if (!painted_once) {
                painted_once = true;
                PostMessageW(hwnd, FirstPaintedMessage, 0, 0);
            }
            return 0;
        }
        case FirstPaintedMessage:
            if (const auto handler = owner->on_first_paint) handler();
            return 0;
        case WM_PRINTCLIENT: {
            RECT client;
            GetClientRect(hwnd, &client);
            Paint(reinterpret_cast<HDC>(wp), client);
            return 0;
        }
        case WM_ERASEBKGND: return 1;
        case WM_GETOBJECT:
            // The id arrives as a DWORD in the lParam, whatever the lParam's width.
            if (static_cast<DWORD>(lp) != static_cast<DWORD>(OBJID_CLIENT)) break;
            if (!accessible) accessible = new win32::ClientAccessible(*this);
            return LresultFromObject(__uuidof(IAccessible), wp, static_cast<IAccessible*>(accessible));
        case win32::ActivateMessage: {
            // The control may have gone between the screen reader's call and now.
            auto* c = reinterpret_cast<win32::Lightweight*>(lp);
            if (std::find(lightweights.begin(), lightweights.end(), c) != lightweights.end() && c->Shown() &&
                c->CanActivate())
                c->Activate();
            return 0;
        }
        case WM_KEYDOWN:
            if (win32::DeliverKey(*owner, wp)) return 0;
            break;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN: case WM_LBUTTONUP:
        case WM_RBUTTONDOWN: case WM_RBUTTONUP:
        case WM_MBUTTONDOWN: case WM_MBUTTONUP:
            Pointer(msg, lp);
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT && pointer == PointerShape::Hourglass) {
                SetCursor(LoadCursorW(nullptr, IDC_WAIT));
                return TRUE;
            }
            break;
        case WM_CLOSE:
            // The windows go away only through the program's own commands; the desktop's
            // close asks the program what to do instead.
            if (const auto handler = owner->on_close) handler();
            return 0;
        case WM_SIZE: {
            const WindowState now = wp == SIZE_MINIMIZED   ? WindowState::Minimized
                                    : wp == SIZE_MAXIMIZED ? WindowState::Maximized
                                                           : WindowState::Normal;
            if (now == last_state) return 0;
            last_state = now;
            if (const auto handler = owner->on_resize) handler();
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(wp) != WA_INACTIVE && focus_child && IsWindow(focus_child)) {
                SetFocus(focus_child);
                return 0;
            }
            break;
        default: break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void Window::Impl::Paint(HDC dc, const RECT& client) const {
    HBRUSH brush = CreateSolidBrush(back);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    SetBkMode(dc, TRANSPARENT);
    for (const auto& line : printed) {
        HFONT f = win32::MakeFont(line.font, factors);
        HGDIOBJ old = SelectObject(dc, f);
        SetTextColor(dc, line.colour);
        const std::wstring text = win32::Wide(line.text);
        TextOutW(dc, 0, line.y, text.c_str(), static_cast<int>(text.size()));
        SelectObject(dc, old);
        DeleteObject(f);
    }
    for (const win32::Lightweight* c : lightweights) {
        if (!c->Shown()) continue;
        const RECT r = c->Bounds();
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        c->Paint(dc);
        RestoreDC(dc, saved);
    }
}

void Window::Impl::Pointer(UINT msg, LPARAM lp) {
    const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    // After a press, the moves and the release belong to what was pressed, as in any toolkit.
    win32::Lightweight* target = pressed;
    if (!target) {
        for (auto it = lightweights.rbegin(); it != lightweights.rend(); ++it) {
            const RECT r = (*it)->Bounds();
            if ((*it)->Shown() && PtInRect(&r, p)) {
                target = *it;
                break;
            }
        }
    }
    const std::optional<MouseButton> button = ButtonOf(msg);
    if (button && IsDown(msg)) {
        pressed = target;
        SetCapture(hwnd);
    } else if (button) {
        pressed = nullptr;
        if (GetCapture() == hwnd) ReleaseCapture();
    }
    // Copies: a handler may destroy the control or the window it belongs to.
    MouseHandlers& handlers = target ? target->Mouse() : owner->mouse;
    if (!button) {
        if (const auto move = handlers.move) move();
    } else if (IsDown(msg)) {
        if (const auto down = handlers.down) down(*button);
    } else {
        if (const auto up = handlers.up) up(*button);
    }
}

void Window::Impl::Invalidate(const RECT& r) const {
    if (hwnd && !IsRectEmpty(&r)) InvalidateRect(hwnd, &r, FALSE);
}

void Window::Impl::Add(win32::Child* c, bool lightweight) {
    children.push_back(c);
    if (lightweight) lightweights.push_back(static_cast<win32::Lightweight*>(c));
}

void Window::Impl::Remove(win32::Child* c) {
    children.erase(std::remove(children.begin(), children.end(), c), children.end());
    const auto it = std::find(lightweights.begin(), lightweights.end(), c);
    if (it == lightweights.end()) return;
    win32::Lightweight* l = *it;
    lightweights.erase(it);
    if (pressed == l) pressed = nullptr;
    Invalidate(l->Bounds());
    if (tooltip) {
        TOOLINFOW ti{};
        ti.cbSize = TTTOOLINFOW_V2_SIZE;
        ti.hwnd = hwnd;
        ti.uId = reinterpret_cast<UINT_PTR>(l);
        SendMessageW(tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

void Window::Impl::Raise(win32::Lightweight* c) {
    const auto it = std::find(lightweights.begin(), lightweights.end(), c);
    if (it == lightweights.end()) return;
    lightweights.erase(it);
    lightweights.push_back(c);
    Invalidate(c->Bounds());
}

void Window::Impl::Changed(win32::Lightweight* c, const RECT& old_bounds) {
    Invalidate(old_bounds);
    Invalidate(c->Bounds());
    SyncTip(c);
}

void Window::Impl::SyncTip(win32::Lightweight* c) {
    if (!hwnd || (!tooltip && c->Tip().empty())) return;
    if (!tooltip) {
        tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                  win32::Instance(), nullptr);
        if (!tooltip) return;
    }
    // The version 5 size: without a manifest the common controls refuse the larger record.
    TOOLINFOW ti{};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.hwnd = hwnd;
    ti.uId = reinterpret_cast<UINT_PTR>(c);
    SendMessageW(tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    if (!c->Shown() || c->Tip().empty()) return;
    std::wstring text = win32::Wide(c->Tip());
    ti.uFlags = TTF_SUBCLASS;
    ti.rect = c->Bounds();
    ti.hinst = win32::Instance();
    ti.lpszText = text.data();
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void Window::Impl::FocusOnActivate(HWND child) {
    focus_child = child;
    if (hwnd && GetActiveWindow() == hwnd) SetFocus(child);
}

void Window::Impl::Announce(win32::Lightweight* c, DWORD event) const {
    // Focus moves only within the window that has it; elsewhere it would mislead the reader.
    if (!hwnd || (event == EVENT_OBJECT_FOCUS && GetFocus() != hwnd)) return;
    if (const LONG id = win32::ChildIdOf(*this, c); id != CHILDID_SELF) NotifyWinEvent(event, hwnd, OBJID_CLIENT, id);
}

void Window::Impl::DropAccessible() {
    if (!accessible) return;
    win32::ClientAccessible* a = std::exchange(accessible, nullptr);
    a->Disconnect();
    a->Release();
}

void Window::Impl::Place() {
    if (!hwnd) return;
    const PixelBox b = OuterPixels();
    const int x = b.x, y = b.y, w = b.width, h = b.height;
    if (IsIconic(hwnd)) {
        // A minimised window keeps its place for when it is restored.
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        GetWindowPlacement(hwnd, &wp);
        wp.rcNormalPosition = {x, y, x + w, y + h};
        SetWindowPlacement(hwnd, &wp);
        return;
    }
    SetWindowPos(hwnd, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::Impl::Repaint() {
    if (hwnd) InvalidateRect(hwnd, nullptr, FALSE);
}

int Window::Impl::LineHeight(const Font& f) const {
    const ScreenDc dc;
    HFONT h = win32::MakeFont(f, factors);
    HGDIOBJ old = SelectObject(dc.get(), h);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc.get(), &tm);
    SelectObject(dc.get(), old);
    DeleteObject(h);
    return tm.tmHeight;
}

WindowCore& CoreOf(const Window& w) { return w.impl(); }

Window::Window() : impl_(std::make_unique<Impl>()) {
    impl_->owner = this;
    impl_->factors = win32::ScreenFactors();
    CreateWindowExW(ExStyle, win32::WindowClass, L"", Style, 0, 0, 2, 2, nullptr, nullptr, win32::Instance(),
                    impl_.get());
    impl_->Place();
}

Window::~Window() {
    impl_->DropAccessible();
    for (win32::Child* c : std::vector<win32::Child*>(impl_->children)) c->Orphan();
    impl_->children.clear();
    impl_->lightweights.clear();
    // The last message the window's procedures receive is WM_NCDESTROY, as for any window.
    if (impl_->hwnd) DestroyWindow(impl_->hwnd);
    if (impl_->tooltip) DestroyWindow(impl_->tooltip);
    if (impl_->own_icons) {
        DestroyIcon(impl_->icon_big);
        DestroyIcon(impl_->icon_small);
    }
}

WindowHandle Window::Handle() const { return reinterpret_cast<WindowHandle>(impl_->hwnd); }
IconHandle Window::Icon() const { return reinterpret_cast<IconHandle>(impl_->icon_small); }

void Window::Minimize() {
    if (impl_->hwnd) ShowWindow(impl_->hwnd, SW_MINIMIZE);
}

void Window::SetCaption(std::string_view text) {
    if (impl_->hwnd) SetWindowTextW(impl_->hwnd, win32::Wide(text).c_str());
}

void Window::SetIcon(std::string_view picture) {
    if (impl_->own_icons) {
        DestroyIcon(impl_->icon_big);
        DestroyIcon(impl_->icon_small);
    }
    impl_->own_icons = false;
    impl_->icon_big = impl_->icon_small = nullptr;
    if (picture == "icon") {
        // The program's icon resource, with a frame drawn for each size.
        impl_->icon_big = static_cast<HICON>(LoadImageW(win32::Instance(), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                                                        LR_SHARED));
        impl_->icon_small = static_cast<HICON>(LoadImageW(win32::Instance(), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                          GetSystemMetrics(SM_CXSMICON),
                                                          GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    } else {
        impl_->icon_big = win32::IconFromPicture(picture);
        impl_->icon_small = win32::IconFromPicture(picture);
        impl_->own_icons = true;
    }
    if (!impl_->hwnd) return;
    SendMessageW(impl_->hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(impl_->icon_big));
    SendMessageW(impl_->hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(impl_->icon_small));
}

void Window::Show() {
    if (!impl_->hwnd) return;
    const bool first = impl_->FirstShow();
    ShowWindow(impl_->hwnd, IsIconic(impl_->hwnd) ? SW_RESTORE : SW_SHOW);
    if (first && on_resize) on_resize();
}

void Window::Hide() {
    if (impl_->hwnd) ShowWindow(impl_->hwnd, SW_HIDE);
}
bool Window::Visible() const { return impl_->hwnd && IsWindowVisible(impl_->hwnd); }

WindowState Window::State() const {
    if (!impl_->hwnd) return WindowState::Normal;
    if (IsIconic(impl_->hwnd)) return WindowState::Minimized;
    if (IsZoomed(impl_->hwnd)) return WindowState::Maximized;
    return WindowState::Normal;
}

void Window::SetMousePointer(PointerShape shape) {
    impl_->pointer = shape;
    // Seen at once when the pointer is over the window, not only at its next move.
    POINT p;
    if (impl_->hwnd && GetCursorPos(&p) && WindowFromPoint(p) == impl_->hwnd)
        SetCursor(LoadCursorW(nullptr, shape == PointerShape::Hourglass ? IDC_WAIT : IDC_ARROW));
}
}  // namespace tarnvel::platform
