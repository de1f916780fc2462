#pragma once
// A text label in a window's client area, with the properties of the classic
// form designer: caption, tooltip, colour, font, alignment, transparent
// background and sizing to its text.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/accessible.h"
#include "platform/colour.h"
#include "platform/font.h"
#include "platform/window.h"

namespace tarnvel::platform {

enum class Alignment { Left, Right, Centre };

// Which edge a label keeps while it sizes itself to its text.
enum class Anchor { Left, Right, Centre };

class Label {
public:
    explicit Label(Window& parent);  // visible, the window's font, black, caption empty
    ~Label();
    Label(const Label&) = delete;
    Label& operator=(const Label&) = delete;

    // Twips in the parent's client area.
    void Move(double left, double top, double width, double height);
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;

    void SetCaption(std::string_view text);  // UTF-8, shown as plain text
    const std::string& Caption() const;
    void SetToolTip(std::string_view text);
    const std::string& ToolTip() const;
    void SetVisible(bool v);
    bool Visible() const;
    void SetForeColor(Colour c);
    Colour ForeColor() const;

    void SetFont(const Font& f);
    const Font& GetFont() const;
    void SetFontName(std::string_view name);
    void SetFontSize(double points);
    void SetFontBold(bool b);
    void SetFontItalic(bool b);
    void SetFontUnderline(bool b);

    void SetAlignment(Alignment a);
    Alignment GetAlignment() const;
    void SetTransparent(bool t);
    // With auto-size on, every change of caption or font resizes the label to its text,
    // keeping the anchored edge (or the horizontal centre) where it is.
    void SetAutoSize(bool on, Anchor anchor = Anchor::Left);

    // Role and name for screen readers; an empty name stands for the caption.
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
