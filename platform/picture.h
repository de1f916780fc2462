#pragma once
// A picture in a window's client area, drawn at its natural size from the top-left
// corner of its box, or scaled to fill the box when stretched; transparent where the
// picture is.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/accessible.h"
#include "platform/window.h"

namespace tarnvel::platform {

class Picture {
public:
    explicit Picture(Window& parent);  // visible, empty
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // A picture compiled into the program, by file name without ".png"; false when there is none.
    bool SetPicture(std::string_view name);
    PixelSize PictureSize() const;  // 0 x 0 when empty

    void Move(double left, double top, double width, double height);  // twips in the client area
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;

    void SetVisible(bool v);
    bool Visible() const;
    void SetStretch(bool stretch);
    bool Stretch() const;
    void SetToolTip(std::string_view text);
    const std::string& ToolTip() const;
    // Puts the picture above every control created before it.
    void BringToFront();

    // Role and name for screen readers; an empty name stands for the tooltip.
    void SetAccessible(AccessibleRole role, std::string_view name = {});
    AccessibleRole Role() const;
    std::string AccessibleName() const;
    // The keyboard's mark (platform/focus_ring.h): a dotted frame round the control.
    void SetFocusMark(bool on);
    bool FocusMark() const;

    MouseHandlers mouse;
    std::function<void()> on_activate;  // Enter or Space on the marked control, a screen reader's press

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace tarnvel::platform
