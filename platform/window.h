#pragma once
// A top-level window without a title bar: fixed size, one-pixel frame, background
// colour, icon, and text drawn on its background. Geometry is in twips; Left and Top
// are the outer frame's, children are placed in the client area inside the frame.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/accessible.h"
#include "platform/colour.h"
#include "platform/font.h"
#include "platform/units.h"
#include "platform/window_proc.h"

namespace tarnvel::platform {

enum class PointerShape { Default, Hourglass };
enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// Pointer handlers of a window's background or of a control; unset ones ignore the event.
struct MouseHandlers {
    std::function<void(MouseButton)> down;
    std::function<void(MouseButton)> up;
    std::function<void()> move;
};

class Window {
public:
    Window();  // created hidden, 0 x 0, at (0, 0); destroying it destroys its controls' native parts
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void SetLeft(double twips);
    void SetTop(double twips);
    // Outer size including the frame. While the window is shown this raises on_resize.
    void SetSize(double width_twips, double height_twips);

    void SetBackColor(Colour c);
    Colour BackColor() const;
    // A picture compiled into the program, by file name without ".png" (e.g. "icon").
    void SetIcon(std::string_view picture);
    // The window's name (UTF-8), as the window list, the taskbar and screen readers show
    // it; the window has no title bar to show it on.
    void SetCaption(std::string_view text);

    // The first Show raises on_resize; showing a hidden window again does not.
    // A minimised window is shown at its normal size.
    void Show();
    void Hide();
    bool Visible() const;
    WindowState State() const;
    // Minimises the window to the desktop's taskbar, where there is one.
    void Minimize();

    // The window's handle for window messages; unique while the window exists.
    WindowHandle Handle() const;
    // The handle of the window's icon (SetIcon), for the notification area; 0 when it has none.
    IconHandle Icon() const;

    void SetMousePointer(PointerShape shape);
    PointerShape MousePointer() const;

    // The window's font and colour: the default of its labels and what Print draws with.
    void SetFont(const Font& f);
    const Font& GetFont() const;
    void SetForeColor(Colour c);
    Colour ForeColor() const;

    // Draws one line at the drawing position without a background box, then moves the
    // position one line down. What is drawn survives repaints until Cls.
    void Print(std::string_view line);
    // Clears all drawn text and returns the drawing position to the client area's top-left.
    void Cls();
    // The lines drawn since the last Cls, in order.
    std::vector<std::string> PrintedLines() const;

    TwipsPerPixel Factors() const;

    MouseHandlers mouse;                // the background: points that no control covers
    std::function<void()> on_resize;    // size or state changed, or first shown
    // Tab, Shift+Tab, Enter, Space and Esc from the keyboard, wherever the focus is in the
    // window; true: the key was used. Unset: the toolkit's own handling.
    std::function<bool(Key)> on_key;
    std::function<void()> on_close;     // the window manager's close (Alt+F4); unset: ignored
    // Once per window, on the event loop's turn after its first paint has gone to the screen:
    // for work that can wait until the user sees the window.
    std::function<void()> on_first_paint;

    struct Impl;
    Impl& impl() const { return *impl_; }

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace tarnvel::platform
