// A label on Win32: windowless, drawn by its window from the shared state.
#include "platform/label.h"

#include "platform/label_impl.h"
#include "platform/win32/keys.h"
#include "platform/win32/convert.h"
#include "platform/win32/window_impl.h"

namespace tarnvel::platform {

namespace {

class Win32Label final : public LabelNative, public win32::StateLightweight<Label, Label::Impl> {
public:
    Win32Label(Label& owner, Label::Impl& label, Window& parent)
        : StateLightweight(owner, label), label_(label), parent_(&parent) {}
    ~Win32Label() override {
        if (parent_) parent_->impl().Remove(this);
        if (hfont_) DeleteObject(hfont_);
    }

    // Twips of the caption's text in the label's font; an empty caption is one line high.
    PixelSize Measure(const Font& font, const std::string& caption) const override {
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, FontFor(font));
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        RECT r{0, 0, 0, 0};
        const std::wstring wide = win32::Wide(caption);
        if (!wide.empty()) DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, Format() | DT_CALCRECT);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        return {r.right - r.left, std::max<LONG>(r.bottom - r.top, tm.tmHeight)};
    }
    bool Live() const override { return parent_ != nullptr; }
    void Attach() override { parent_->impl().Add(this, true); }

    void Show(const Label::Impl& d, Change what, const TwipsBox& old) override {
        if (what == Change::ScreenReader) return;
        if (what == Change::Mark) {
            parent_->impl().Invalidate(Bounds());
            if (d.state.marked) parent_->impl().Announce(this, EVENT_OBJECT_FOCUS);
            return;
        }
        if (what == Change::Text) wide_ = win32::Wide(d.caption);
        parent_->impl().Changed(this, win32::PixelRect(old, d.factors));
        // A caption that is the name, as the dates' are, is read again when the day turns.
        if (what == Change::Text && d.state.accessible.name.empty()) parent_->impl().Announce(this, EVENT_OBJECT_NAMECHANGE);
    }

    void Orphan() override { parent_ = nullptr; }
    RECT Bounds() const override { return win32::PixelRect(label_.state.box, label_.factors); }

    void Paint(HDC dc) const override {
        RECT r = Bounds();
        if (!label_.transparent) {
            // An opaque label fills its box with the system's control colour, as the classic one does.
            FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        }
        HGDIOBJ old = SelectObject(dc, FontFor(label_.font));
        SetTextColor(dc, label_.fore);
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, wide_.c_str(), static_cast<int>(wide_.size()), &r, Format());
        SelectObject(dc, old);
        if (label_.state.marked) win32::DrawFocusMark(dc, Bounds());
    }

private:
    UINT Format() const {
        // Plain text: '&' is shown as it is; no word wrap, line breaks in the caption are kept.
        UINT f = DT_TOP | DT_NOPREFIX | DT_EXPANDTABS;
        if (label_.align == Alignment::Right) f |= DT_RIGHT;
        if (label_.align == Alignment::Centre) f |= DT_CENTER;
        return f;
    }
    // The GDI font of `font`, made again only when the font changes.
    HFONT FontFor(const Font& font) const {
        if (hfont_ && font == hfont_of_) return hfont_;
        if (hfont_) DeleteObject(hfont_);
        hfont_ = win32::MakeFont(font, label_.factors);
        hfont_of_ = font;
        return hfont_;
    }

    const Label::Impl& label_;
    Window* parent_;  // null once the window is gone
    std::wstring wide_;  // the caption as it is drawn
    mutable HFONT hfont_ = nullptr;
    mutable Font hfont_of_;
};

}  // namespace

std::unique_ptr<LabelNative> MakeLabelNative(Label& owner, Label::Impl& label, Window& parent) {
    return std::make_unique<Win32Label>(owner, label, parent);
}

}  // namespace tarnvel::platform
