#include "platform/picture.h"

#include "platform/picture_impl.h"

namespace tarnvel::platform {

bool Picture::Impl::SetPicture(std::string_view picture) {
    if (!native->Attached()) return false;
    size = native->Load(std::string(picture));
    const bool found = size.width > 0 && size.height > 0;
    name = found ? std::string(picture) : std::string();
    if (!found) size = {};  // a backend may know one extent of a picture it cannot read
    native->Show(*this, Change::Image, state.box);
    return found;
}

Picture::Picture(Window& parent) : impl_(std::make_unique<Impl>()) {
    impl_->native = MakePictureNative(*this, *impl_, parent);
    impl_->native->Attach();
}

Picture::~Picture() = default;

bool Picture::SetPicture(std::string_view name) { return impl_->SetPicture(name); }
PixelSize Picture::PictureSize() const { return impl_->size; }

void Picture::Move(double left, double top, double width, double height) {
    impl_->Set(impl_->state.box, TwipsBox{left, top, width, height}, Change::Box);
}
double Picture::Left() const { return impl_->state.box.left; }
double Picture::Top() const { return impl_->state.box.top; }
double Picture::Width() const { return impl_->state.box.width; }
double Picture::Height() const { return impl_->state.box.height; }

void Picture::SetVisible(bool v) { impl_->Set(impl_->state.visible, v, Change::Visible); }
bool Picture::Visible() const { return impl_->state.visible; }
void Picture::SetStretch(bool stretch) { impl_->Set(impl_->stretch, stretch, Change::Stretch); }
bool Picture::Stretch() const { return impl_->stretch; }
void Picture::SetToolTip(std::string_view text) { impl_->Set(impl_->state.tooltip, std::string(text), Change::Tip); }
const std::string& Picture::ToolTip() const { return impl_->state.tooltip; }
void Picture::BringToFront() { impl_->native->Show(*impl_, Change::Order, impl_->state.box); }

void Picture::SetAccessible(AccessibleRole role, std::string_view name) {
    impl_->Set(impl_->state.accessible, Accessible{role, std::string(name)}, Change::ScreenReader);
}
AccessibleRole Picture::Role() const { return impl_->state.accessible.role; }
std::string Picture::AccessibleName() const { return impl_->AccessibleName(); }
void Picture::SetFocusMark(bool on) {
    if (impl_->state.marked != on) impl_->Set(impl_->state.marked, on, Change::Mark);
}
bool Picture::FocusMark() const { return impl_->state.marked; }

}  // namespace tarnvel::platform
