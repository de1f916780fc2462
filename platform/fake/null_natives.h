#pragma once
// Null backends of the shared control state: no toolkit, text measured by a fixed rule, and a
// record of what the native part was last asked to show. For the tests of the shared half.

#include <string>

#include "platform/label_impl.h"
#include "platform/picture_impl.h"
#include "platform/window_core.h"

namespace tarnvel::platform::fake {

// Every character (UTF-8 code point) is as wide as the font's size in whole points, in
// pixels; a line is twice that high; bold adds one pixel per character.
inline PixelSize MeasureByRule(const Font& font, const std::string& text) {
    int chars = 0;
    for (const unsigned char c : text) chars += (c & 0xC0) != 0x80;
    const int size = static_cast<int>(font.size);
    return {chars * (size + (font.bold ? 1 : 0)), 2 * size};
}

class NullLabel final : public LabelNative {
public:
    PixelSize Measure(const Font& font, const std::string& caption) const override {
        ++measured;
        return MeasureByRule(font, caption);
    }
    bool Live() const override { return live; }
    void Show(const Label::Impl& label, Change, const TwipsBox& old) override {
        shown = ToPixels(label.state.box, label.factors);
        redrawn_old = ToPixels(old, label.factors);
        ++shows;
    }
    void Attach() override {}

    bool live = true;
    mutable int measured = 0;
    int shows = 0;
    PixelBox shown, redrawn_old;  // the box last shown, and the one it replaced
};

class NullPicture final : public PictureNative {
public:
    bool Attached() const override { return attached; }
    PixelSize Load(const std::string& name) override { return name == "known" ? PixelSize{12, 9} : PixelSize{}; }
    void Show(const Picture::Impl&, Change, const TwipsBox&) override {}
    void Attach() override {}

    bool attached = true;
};

// A window that is never made: it records where it was placed and how often it was redrawn;
// a line is as high as the null rule's (twice the size in points, in pixels).
struct NullWindow final : WindowCore {
    void Place() override { placed = OuterPixels(); }
    void Repaint() override { ++repaints; }
    int LineHeight(const Font& f) const override { return MeasureByRule(f, "").height; }

    PixelBox placed;
    int repaints = 0;
};

}  // namespace tarnvel::platform::fake
