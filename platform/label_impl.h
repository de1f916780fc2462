#pragma once
// A label's state and its arithmetic, written once: the box in twips, sizing to the text with
// the kept edge, caption, colour and font. A backend gives it a LabelNative: measuring the
// caption and showing the state with the toolkit.
//
// The size to the text is worked out when it is first needed: when it is read, or when a
// native part shows the label. A label whose font and caption change several times before
// its window is shown measures only the text it ends with.

#include <memory>
#include <string>
#include <utility>

#include "platform/control_state.h"
#include "platform/label.h"

namespace tarnvel::platform {

class LabelNative {
public:
    virtual ~LabelNative() = default;
    // The caption's extent in `font`, client pixels; an empty caption is one line high.
    virtual PixelSize Measure(const Font& font, const std::string& caption) const = 0;
    // True while a native part shows the label, so that each change must reach it at once.
    virtual bool Live() const = 0;
    // Shows the state after a change of `what`; `old` is the box it had before (to redraw).
    virtual void Show(const Label::Impl& label, Change what, const TwipsBox& old) = 0;
    // Joins the window's controls, on top; called once the label's state is complete.
    virtual void Attach() = 0;
};

struct Label::Impl {
    Impl(TwipsPerPixel f, const Font& window_font) : factors(f), font(window_font) {}

    // The box, sized to the text first when auto-size asks for it.
    const TwipsBox& Box();
    void Move(const TwipsBox& b);
    void SetAutoSize(bool on, Anchor a = Anchor::Left);
    void SetCaption(std::string_view text);
    // Any other property: stores it and shows the change.
    template <class T>
    void Set(T& field, T value, Change what) {
        field = std::move(value);
        Changed(what);
    }
    const std::string& AccessibleName() const { return state.accessible.NameOr(caption); }

    // Sizes to the text if needed, then hands the change to the native part when there is one.
    void Changed(Change what);

    TwipsPerPixel factors;
    ControlState state;
    std::string caption;
    Font font;
    Colour fore = 0;
    Alignment align = Alignment::Left;
    bool transparent = true;
    bool autosize = false;
    Anchor anchor = Anchor::Left;
    // After the state it reads, so that it is destroyed first: a widget going may still ask.
    std::unique_ptr<LabelNative> native;

private:
    void Fit();
    void Remember();

    bool unfitted_ = false;
    double anchor_x_ = 0;  // twips: the kept left edge, right edge or centre
};

// The backend's native part of `label`, a control of `parent`'s client area.
std::unique_ptr<LabelNative> MakeLabelNative(Label& owner, Label::Impl& label, Window& parent);

}  // namespace tarnvel::platform
