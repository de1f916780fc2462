#pragma once
// The Win32 side of a Window, shared with the controls that live in its client area.
//
// Labels and pictures are windowless, like the classic designer's lightweight controls: the
// window draws them in its WM_PAINT in stacking order (creation order, BringToFront moves one
// to the top) and hands them pointer events by hit testing from the topmost down. The rich-text
// box is a child window of its own.

#include <windows.h>

#include <string>
#include <vector>

#include "platform/accessible.h"
#include "platform/units.h"
#include "platform/window.h"
#include "platform/window_core.h"

namespace tarnvel::platform {

namespace win32 {

// What the window needs of each control in its client area.
class Child {
public:
    virtual ~Child() = default;
    // The window is being destroyed: forget it and its native parts, keep the properties.
    virtual void Orphan() = 0;
};

// A control the window draws itself and hands pointer events.
class Lightweight : public Child {
public:
    virtual RECT Bounds() const = 0;  // client pixels
    virtual bool Shown() const = 0;
    virtual void Paint(HDC dc) const = 0;
    virtual MouseHandlers& Mouse() = 0;
    virtual const std::string& Tip() const = 0;
    // What a screen reader is told: the role set, and the name set or else the one shown.
    virtual AccessibleRole Role() const = 0;
    virtual const std::string& AccessibleName() const = 0;
    virtual bool Marked() const = 0;  // carries the keyboard's mark
    // Whether it has an action, and doing it: what Enter or Space on the marked control does.
    virtual bool CanActivate() const = 0;
    virtual void Activate() = 0;
};

// A windowless label or picture answering from its shared state (`State`, whose `state` is the
// ControlState) and its owner's handlers; each control adds its box, drawing and changes.
template <class Owner, class State>
class StateLightweight : public Lightweight {
public:
    StateLightweight(Owner& owner, const State& shared) : owner_(owner), shared_(shared) {}
    bool Shown() const override { return shared_.state.visible; }
    MouseHandlers& Mouse() override { return owner_.mouse; }
    const std::string& Tip() const override { return shared_.state.tooltip; }
    AccessibleRole Role() const override { return shared_.state.accessible.role; }
    const std::string& AccessibleName() const override { return shared_.AccessibleName(); }
    bool Marked() const override { return shared_.state.marked; }
    bool CanActivate() const override { return static_cast<bool>(owner_.on_activate); }
    void Activate() override {
        // A copy: the handler may destroy the control.
        if (const auto handler = owner_.on_activate) handler();
    }

protected:
    Owner& owner_;
    const State& shared_;
};

class ClientAccessible;

// The window class of every Window; registered once by the Application.
inline constexpr const wchar_t* WindowClass = L"TarnvelWindow";
void RegisterWindowClass();
// Posted by a screen reader's default action: lParam is the Lightweight to activate, done
// from the message loop so that the reader's call returns before the program reacts.
inline constexpr UINT ActivateMessage = WM_APP + 2;

}  // namespace win32

struct Window::Impl final : WindowCore {
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

    void Place() override;
    void Repaint() override;
    int LineHeight(const Font& f) const override;
    void Paint(HDC dc, const RECT& client) const;
    void Pointer(UINT msg, LPARAM lp);
    // Redraws the part of the client area under `r` (client pixels).
    void Invalidate(const RECT& r) const;

    // Controls register themselves while they live; the list is the stacking order.
    void Add(win32::Child* c, bool lightweight);
    void Remove(win32::Child* c);
    void Raise(win32::Lightweight* c);
    // A lightweight control moved, appeared, vanished or changed its tooltip.
    void Changed(win32::Lightweight* c, const RECT& old_bounds);
    void SyncTip(win32::Lightweight* c);
    // The child window that gets the keyboard focus whenever the window becomes active.
    void FocusOnActivate(HWND child);
    // Tells screen readers of an event of a lightweight control (EVENT_OBJECT_*), when it is
    // one of the client object's children.
    void Announce(win32::Lightweight* c, DWORD event) const;
    // Ends the client object's hold on the window: the window is going.
    void DropAccessible();

    Window* owner = nullptr;
    HWND hwnd = nullptr;
    WindowState last_state = WindowState::Normal;
    HICON icon_big = nullptr, icon_small = nullptr;
    bool own_icons = false;  // made from a picture, not the shared ICON resource
    std::vector<win32::Child*> children;
    std::vector<win32::Lightweight*> lightweights;  // bottom to top
    win32::Lightweight* pressed = nullptr;           // gets the moves and the release after a press
    // Owned by no window: a tooltip control is always on top, and Wine then refuses to put
    // the window that owns one above other windows. Destroyed with the window.
    HWND tooltip = nullptr;
    HWND focus_child = nullptr;
    // What WM_GETOBJECT answers for the client area, made on the first ask; one reference.
    win32::ClientAccessible* accessible = nullptr;
};

}  // namespace tarnvel::platform
