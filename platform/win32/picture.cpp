// A picture on Win32: windowless, drawn by its window from the shared state.
#include "platform/picture.h"

#include "platform/picture_impl.h"
#include "platform/picture_scale.h"
#include "platform/win32/keys.h"
#include "platform/win32/convert.h"
#include "platform/win32/pictures.h"
#include "platform/win32/window_impl.h"

namespace tarnvel::platform {

namespace {

class Win32Picture final : public PictureNative, public win32::StateLightweight<Picture, Picture::Impl> {
public:
    Win32Picture(Picture& owner, Picture::Impl& picture, Window& parent)
        : StateLightweight(owner, picture), picture_(picture), parent_(&parent), factors_(parent.Factors()) {}
    ~Win32Picture() override {
        if (parent_) parent_->impl().Remove(this);
    }

    bool Attached() const override { return parent_ != nullptr; }
    void Attach() override { parent_->impl().Add(this, true); }
    PixelSize Load(const std::string& name) override {
        bitmap_ = win32::LoadPicture(name);
        // The window's DPI is fixed when it is made; the finer drawing is decoded only where it is shown.
        const bool finer = bitmap_ && DrawingScale(RatioOfFactors(factors_)) == 2;
        fine_ = finer ? win32::LoadPicture(DrawingName(name, 2)) : nullptr;
        if (!bitmap_) return {};
        return {bitmap_->width, bitmap_->height};
    }
    void Show(const Picture::Impl&, Change what, const TwipsBox& old) override {
        if (!parent_ || what == Change::ScreenReader) return;
        if (what == Change::Order) parent_->impl().Raise(this);
        else if (what == Change::Mark) {
            parent_->impl().Invalidate(Bounds());
            if (picture_.state.marked) parent_->impl().Announce(this, EVENT_OBJECT_FOCUS);
        }
        else parent_->impl().Changed(this, win32::PixelRect(old, factors_));
    }

    void Orphan() override { parent_ = nullptr; }
    RECT Bounds() const override { return win32::PixelRect(picture_.state.box, factors_); }

    void Paint(HDC dc) const override {
        if (bitmap_) {
            const RECT r = Bounds();
            // At natural size in the screen's pixels, or stretched; the window clips what
            // overhangs the box. Above 96 DPI the finer drawing is painted in the same place.
            const PixelSize shown = ShownSize({bitmap_->width, bitmap_->height}, RatioOfFactors(factors_));
            const PixelBox b = Placement({r.left, r.top, r.right - r.left, r.bottom - r.top}, shown, picture_.stretch);
            win32::DrawPicture(dc, fine_ ? *fine_ : *bitmap_, {b.x, b.y, b.x + b.width, b.y + b.height});
        }
        if (picture_.state.marked) win32::DrawFocusMark(dc, Bounds());
    }

private:
    const Picture::Impl& picture_;
    Window* parent_;  // null once the window is gone
    TwipsPerPixel factors_;
    std::shared_ptr<const win32::Bitmap> bitmap_;  // the 1x drawing, whose size the picture has
    std::shared_ptr<const win32::Bitmap> fine_;    // the 2x drawing, above 96 DPI
};

}  // namespace

std::unique_ptr<PictureNative> MakePictureNative(Picture& owner, Picture::Impl& picture, Window& parent) {
    return std::make_unique<Win32Picture>(owner, picture, parent);
}

}  // namespace tarnvel::platform
