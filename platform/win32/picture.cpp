#include "platform/picture.h"

#include "platform/picture_scale.h"
#include "platform/win32/keys.h"
#include "platform/win32/convert.h"
#include "platform/win32/pictures.h"
#include "platform/win32/window_impl.h"

namespace tarnvel::platform {

struct Picture::Impl final : win32::Lightweight {
    Picture* owner = nullptr;
    Window* parent = nullptr;
    TwipsPerPixel factors;
    std::shared_ptr<const win32::Bitmap> bitmap;  // the 1x drawing, whose size the picture has
    std::shared_ptr<const win32::Bitmap> fine;    // the 2x drawing, above 96 DPI
    double left = 0, top = 0, width = 0, height = 0;
    Accessible accessible;
    bool marked = false;
    bool visible = true;
    bool stretch = false;
    std::string tooltip;

    ~Impl() override {
        if (parent) parent->impl().Remove(this);
    }

    void Orphan() override { parent = nullptr; }
    RECT Bounds() const override { return win32::PixelRect(left, top, width, height, factors); }
    bool Shown() const override { return visible; }
    MouseHandlers& Mouse() override { return owner->mouse; }
    const std::string& Tip() const override { return tooltip; }

    void Paint(HDC dc) const override {
        if (bitmap) {
            RECT r = Bounds();
            // At natural size from the top-left corner, in the screen's pixels; the window clips
            // what overhangs the box.
            const PixelSize s = ShownSize({bitmap->width, bitmap->height}, RatioOfFactors(factors));
            if (!stretch) r = {r.left, r.top, r.left + s.width, r.top + s.height};
            win32::DrawPicture(dc, fine ? *fine : *bitmap, r);
        }
        if (marked) win32::DrawFocusMark(dc, Bounds());
    }

    void Changed(const RECT& old) {
        if (parent) parent->impl().Changed(this, old);
    }
};

Picture::Picture(Window& parent) : impl_(std::make_unique<Impl>()) {
    impl_->owner = this;
    impl_->parent = &parent;
    impl_->factors = parent.Factors();
    parent.impl().Add(impl_.get(), true);
}

Picture::~Picture() = default;

bool Picture::SetPicture(std::string_view name) {
    if (!impl_->parent) return false;
    impl_->bitmap = win32::LoadPicture(name);
    // The window's DPI is fixed when it is made; the finer drawing is decoded only where it is shown.
    const bool finer = impl_->bitmap && DrawingScale(RatioOfFactors(impl_->factors)) == 2;
    impl_->fine = finer ? win32::LoadPicture(DrawingName(name, 2)) : nullptr;
    impl_->Changed(impl_->Bounds());
    return impl_->bitmap != nullptr;
}

PixelSize Picture::PictureSize() const {
    if (!impl_->bitmap) return {};
    return {impl_->bitmap->width, impl_->bitmap->height};
}

void Picture::Move(double left, double top, double width, double height) {
    const RECT old = impl_->Bounds();
    impl_->left = left;
    impl_->top = top;
    impl_->width = width;
    impl_->height = height;
    impl_->Changed(old);
}
double Picture::Left() const { return impl_->left; }
double Picture::Top() const { return impl_->top; }
double Picture::Width() const { return impl_->width; }
double Picture::Height() const { return impl_->height; }

void Picture::SetVisible(bool v) {
    impl_->visible = v;
    impl_->Changed(impl_->Bounds());
}
bool Picture::Visible() const { return impl_->visible; }

void Picture::SetStretch(bool stretch) {
    impl_->stretch = stretch;
    impl_->Changed(impl_->Bounds());
}
bool Picture::Stretch() const { return impl_->stretch; }

void Picture::SetToolTip(std::string_view text) {
    impl_->tooltip = std::string(text);
    impl_->Changed(impl_->Bounds());
}
const std::string& Picture::ToolTip() const { return impl_->tooltip; }

void Picture::BringToFront() {
    if (impl_->parent) impl_->parent->impl().Raise(impl_.get());
}

// Windowless: a screen reader meets the window, named by its caption; the role and name are
// kept for the keyboard and for the program.
void Picture::SetAccessible(AccessibleRole role, std::string_view name) {
    impl_->accessible = {role, std::string(name)};
}
AccessibleRole Picture::Role() const { return impl_->accessible.role; }
std::string Picture::AccessibleName() const {
    return impl_->accessible.NameOr(impl_->tooltip);
}
void Picture::SetFocusMark(bool on) {
    if (impl_->marked == on) return;
    impl_->marked = on;
    if (impl_->parent) impl_->parent->impl().Invalidate(impl_->Bounds());
}
bool Picture::FocusMark() const { return impl_->marked; }

}  // namespace tarnvel::platform
