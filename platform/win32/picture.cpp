// A picture on Win32: windowless, drawn by its window from the shared state.
#include "platform/picture.h"

#include "platform/picture_impl.h"
#include "platform/win32/keys.h"
#include "platform/win32/convert.h"
#include "platform/win32/pictures.h"
#include "platform/win32/window_impl.h"

namespace tarnvel::platform {

namespace {

class Win32Picture final : public PictureNative, public win32::Lightweight {
public:
    Win32Picture(Picture& owner, Picture::Impl& picture, Window& parent)
        : owner_(owner), picture_(picture), parent_(&parent), factors_(parent.Factors()) {}
    ~Win32Picture() override {
        if (parent_) parent_->impl().Remove(this);
    }

    bool Attached() const override { return parent_ != nullptr; }
    void Attach() override { parent_->impl().Add(this, true); }
    PixelSize Load(const std::string& name) override {
        bitmap_ = win32::LoadPicture(name);
        if (!bitmap_) return {};
        return {bitmap_->width, bitmap_->height};
    }
    void Show(const Picture::Impl&, Change what, const TwipsBox& old) override {
        if (!parent_ || what == Change::ScreenReader) return;
        if (what == Change::Order) parent_->impl().Raise(this);
        else if (what == Change::Mark) parent_->impl().Invalidate(Bounds());
        else parent_->impl().Changed(this, win32::PixelRect(old, factors_));
    }

    void Orphan() override { parent_ = nullptr; }
    RECT Bounds() const override { return win32::PixelRect(picture_.state.box, factors_); }
    bool Shown() const override { return picture_.state.visible; }
    MouseHandlers& Mouse() override { return owner_.mouse; }
    const std::string& Tip() const override { return picture_.state.tooltip; }

    void Paint(HDC dc) const override {
        if (bitmap_) {
            const RECT r = Bounds();
            // The window clips what overhangs the box.
            const PixelBox b = Placement({r.left, r.top, r.right - r.left, r.bottom - r.top},
                                         {bitmap_->width, bitmap_->height}, picture_.stretch);
            win32::DrawPicture(dc, *bitmap_, {b.x, b.y, b.x + b.width, b.y + b.height});
        }
        if (picture_.state.marked) win32::DrawFocusMark(dc, Bounds());
    }

private:
    Picture& owner_;
    const Picture::Impl& picture_;
    Window* parent_;  // null once the window is gone
    TwipsPerPixel factors_;
    std::shared_ptr<const win32::Bitmap> bitmap_;
};

}  // namespace

std::unique_ptr<PictureNative> MakePictureNative(Picture& owner, Picture::Impl& picture, Window& parent) {
    return std::make_unique<Win32Picture>(owner, picture, parent);
}

}  // namespace tarnvel::platform
