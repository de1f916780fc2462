#include "platform/label.h"

#include "platform/win32/keys.h"
#include "platform/win32/convert.h"
#include "platform/win32/window_impl.h"

namespace tarnvel::platform {

struct Label::Impl final : win32::Lightweight {
    Label* owner = nullptr;
    Window* parent = nullptr;
    TwipsPerPixel factors;
    double left = 0, top = 0, width = 0, height = 0;
    Accessible accessible;
    bool marked = false;
    std::string caption, tooltip;
    std::wstring wide;  // the caption as it is drawn
    Font font;
    HFONT hfont = nullptr;
    Colour fore = 0;
    Alignment align = Alignment::Left;
    bool visible = true;
    bool transparent = true;
    bool autosize = false;
    Anchor anchor = Anchor::Left;
    double anchor_x = 0;  // twips: the kept left edge, right edge or centre

    ~Impl() override {
        if (parent) parent->impl().Remove(this);
        if (hfont) DeleteObject(hfont);
    }

    void Orphan() override { parent = nullptr; }
    RECT Bounds() const override { return win32::PixelRect(left, top, width, height, factors); }
    bool Shown() const override { return visible; }
    MouseHandlers& Mouse() override { return owner->mouse; }
    const std::string& Tip() const override { return tooltip; }

    void Paint(HDC dc) const override {
        RECT r = Bounds();
        if (!transparent) {
            // An opaque label fills its box with the system's control colour, as the classic one does.
            FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        }
        HGDIOBJ old = SelectObject(dc, hfont);
        SetTextColor(dc, fore);
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, Format());
        SelectObject(dc, old);
        if (marked) win32::DrawFocusMark(dc, Bounds());
    }

    UINT Format() const {
        // Plain text: '&' is shown as it is; no word wrap, line breaks in the caption are kept.
        UINT f = DT_TOP | DT_NOPREFIX | DT_EXPANDTABS;
        if (align == Alignment::Right) f |= DT_RIGHT;
        if (align == Alignment::Centre) f |= DT_CENTER;
        return f;
    }

    // Twips of the caption's text in the label's font; an empty caption is one line high.
    void Measure(double& w, double& h) const {
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, hfont);
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        RECT r{0, 0, 0, 0};
        if (!wide.empty()) DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, Format() | DT_CALCRECT);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        w = (r.right - r.left) * factors.x;
        h = std::max<LONG>(r.bottom - r.top, tm.tmHeight) * factors.y;
    }

    void Fit() {
        if (!autosize) return;
        Measure(width, height);
        switch (anchor) {
            case Anchor::Left: left = anchor_x; break;
            case Anchor::Right: left = anchor_x - width; break;
            case Anchor::Centre: left = anchor_x - width / 2; break;
        }
    }
    void Remember() {
        switch (anchor) {
            case Anchor::Left: anchor_x = left; break;
            case Anchor::Right: anchor_x = left + width; break;
            case Anchor::Centre: anchor_x = left + width / 2; break;
        }
    }
    void NewFont() {
        if (hfont) DeleteObject(hfont);
        hfont = win32::MakeFont(font, factors);
    }
    // Every change ends here: size to the text, then redraw the old and the new box.
    void Apply() {
        const RECT old = Bounds();
        Fit();
        if (parent) parent->impl().Changed(this, old);
    }
};

Label::Label(Window& parent) : impl_(std::make_unique<Impl>()) {
    impl_->owner = this;
    impl_->parent = &parent;
    impl_->factors = parent.Factors();
    impl_->font = parent.GetFont();
    impl_->NewFont();
    parent.impl().Add(impl_.get(), true);
}

Label::~Label() = default;

void Label::Move(double left, double top, double width, double height) {
    const RECT old = impl_->Bounds();
    impl_->left = left;
    impl_->top = top;
    impl_->width = width;
    impl_->height = height;
    impl_->Remember();
    impl_->Fit();
    if (impl_->parent) impl_->parent->impl().Changed(impl_.get(), old);
}
double Label::Left() const { return impl_->left; }
double Label::Top() const { return impl_->top; }
double Label::Width() const { return impl_->width; }
double Label::Height() const { return impl_->height; }

void Label::SetCaption(std::string_view text) {
    if (text == impl_->caption) return;
    impl_->caption = std::string(text);
    impl_->wide = win32::Wide(text);
    impl_->Apply();
}
const std::string& Label::Caption() const { return impl_->caption; }
void Label::SetToolTip(std::string_view text) {
    impl_->tooltip = std::string(text);
    impl_->Apply();
}
const std::string& Label::ToolTip() const { return impl_->tooltip; }
void Label::SetVisible(bool v) {
    impl_->visible = v;
    impl_->Apply();
}
bool Label::Visible() const { return impl_->visible; }
void Label::SetForeColor(Colour c) {
    impl_->fore = c;
    impl_->Apply();
}
Colour Label::ForeColor() const { return impl_->fore; }

void Label::SetFont(const Font& f) {
    impl_->font = f;
    impl_->NewFont();
    impl_->Apply();
}
const Font& Label::GetFont() const { return impl_->font; }
void Label::SetAlignment(Alignment a) {
    impl_->align = a;
    impl_->Apply();
}
Alignment Label::GetAlignment() const { return impl_->align; }

void Label::SetTransparent(bool t) {
    impl_->transparent = t;
    impl_->Apply();
}

void Label::SetAutoSize(bool on, Anchor anchor) {
    impl_->autosize = on;
    impl_->anchor = anchor;
    impl_->Remember();
    impl_->Apply();
}

// Windowless: a screen reader meets the window, named by its caption; the role and name are
// kept for the keyboard and for the program.
void Label::SetAccessible(AccessibleRole role, std::string_view name) {
    impl_->accessible = {role, std::string(name)};
}
AccessibleRole Label::Role() const { return impl_->accessible.role; }
std::string Label::AccessibleName() const {
    return impl_->accessible.NameOr(impl_->caption);
}
void Label::SetFocusMark(bool on) {
    if (impl_->marked == on) return;
    impl_->marked = on;
    if (impl_->parent) impl_->parent->impl().Invalidate(impl_->Bounds());
}
bool Label::FocusMark() const { return impl_->marked; }

}  // namespace tarnvel::platform
