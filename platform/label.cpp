#include "platform/label.h"

#include "platform/label_impl.h"

#include <utility>

namespace tarnvel::platform {

const TwipsBox& Label::Impl::Box() {
    Fit();
    return state.box;
}

void Label::Impl::Fit() {
    if (!autosize || !unfitted_) return;
    unfitted_ = false;
    const PixelSize text = native->Measure(font, caption);
    TwipsBox& b = state.box;
    b.width = text.width * factors.x;
    b.height = text.height * factors.y;
    switch (anchor) {
        case Anchor::Left: b.left = anchor_x_; break;
        case Anchor::Right: b.left = anchor_x_ - b.width; break;
        case Anchor::Centre: b.left = anchor_x_ - b.width / 2; break;
    }
}

void Label::Impl::Remember() {
    const TwipsBox& b = Box();
    switch (anchor) {
        case Anchor::Left: anchor_x_ = b.left; break;
        case Anchor::Right: anchor_x_ = b.left + b.width; break;
        case Anchor::Centre: anchor_x_ = b.left + b.width / 2; break;
    }
}

void Label::Impl::Changed(Change what) {
    if (what == Change::Text || what == Change::Typeface || what == Change::Box) unfitted_ = autosize;
    if (!native->Live()) return;
    const TwipsBox old = state.box;
    Fit();
    native->Show(*this, what, old);
}

void Label::Impl::Move(const TwipsBox& b) {
    const TwipsBox old = state.box;
    unfitted_ = false;
    state.box = b;
    Remember();
    unfitted_ = autosize;
    if (!native->Live()) return;
    Fit();
    native->Show(*this, Change::Box, old);
}

void Label::Impl::SetAutoSize(bool on, Anchor a) {
    Fit();  // the edges as they stand, sized by the old setting
    autosize = on;
    anchor = a;
    Remember();
    Changed(Change::Box);
}

void Label::Impl::SetCaption(std::string_view text) {
    if (text == caption) return;
    caption = std::string(text);
    Changed(Change::Text);
}

Label::Label(Window& parent) : impl_(std::make_unique<Impl>(parent.Factors(), parent.GetFont())) {
    impl_->native = MakeLabelNative(*this, *impl_, parent);
    impl_->native->Attach();
}

Label::~Label() = default;

void Label::Move(double left, double top, double width, double height) { impl_->Move({left, top, width, height}); }
double Label::Left() const { return impl_->Box().left; }
double Label::Top() const { return impl_->state.box.top; }
double Label::Width() const { return impl_->Box().width; }
double Label::Height() const { return impl_->Box().height; }

void Label::SetCaption(std::string_view text) { impl_->SetCaption(text); }
const std::string& Label::Caption() const { return impl_->caption; }
void Label::SetToolTip(std::string_view text) { impl_->Set(impl_->state.tooltip, std::string(text), Change::Tip); }
const std::string& Label::ToolTip() const { return impl_->state.tooltip; }
void Label::SetVisible(bool v) { impl_->Set(impl_->state.visible, v, Change::Visible); }
bool Label::Visible() const { return impl_->state.visible; }
void Label::SetForeColor(Colour c) { impl_->Set(impl_->fore, c, Change::TextColour); }
Colour Label::ForeColor() const { return impl_->fore; }

void Label::SetFont(const Font& f) { impl_->Set(impl_->font, f, Change::Typeface); }
const Font& Label::GetFont() const { return impl_->font; }
// Each single property is a change of the whole font.
namespace {
template <class T, class V>
void SetFontPart(Label& l, T Font::*part, V value) {
    Font f = l.GetFont();
    f.*part = T(std::move(value));
    l.SetFont(f);
}
}  // namespace
void Label::SetFontName(std::string_view name) { SetFontPart(*this, &Font::name, name); }
void Label::SetFontSize(double points) { SetFontPart(*this, &Font::size, points); }
void Label::SetFontBold(bool b) { SetFontPart(*this, &Font::bold, b); }
void Label::SetFontItalic(bool b) { SetFontPart(*this, &Font::italic, b); }
void Label::SetFontUnderline(bool b) { SetFontPart(*this, &Font::underline, b); }

void Label::SetAlignment(Alignment a) { impl_->Set(impl_->align, a, Change::Align); }
Alignment Label::GetAlignment() const { return impl_->align; }
void Label::SetTransparent(bool t) { impl_->Set(impl_->transparent, t, Change::Background); }
void Label::SetAutoSize(bool on, Anchor anchor) { impl_->SetAutoSize(on, anchor); }

void Label::SetAccessible(AccessibleRole role, std::string_view name) {
    impl_->Set(impl_->state.accessible, Accessible{role, std::string(name)}, Change::ScreenReader);
}
AccessibleRole Label::Role() const { return impl_->state.accessible.role; }
std::string Label::AccessibleName() const { return impl_->AccessibleName(); }
void Label::SetFocusMark(bool on) {
    if (impl_->state.marked != on) impl_->Set(impl_->state.marked, on, Change::Mark);
}
bool Label::FocusMark() const { return impl_->state.marked; }

}  // namespace tarnvel::platform
