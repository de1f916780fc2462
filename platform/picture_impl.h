#pragma once
// A picture's state, written once: its box in twips, the picture's name and natural size,
// stretch, tooltip and accessibility. A backend gives it a PictureNative: decoding and
// drawing with the toolkit.

#include <memory>
#include <string>
#include <utility>

#include "platform/control_state.h"
#include "platform/picture.h"

namespace tarnvel::platform {

class PictureNative {
public:
    virtual ~PictureNative() = default;
    // False once the window is gone.
    virtual bool Attached() const = 0;
    // Makes `name` the picture shown and returns its natural size; 0 x 0 when there is none.
    virtual PixelSize Load(const std::string& name) = 0;
    // Shows the state after a change of `what`; `old` is the box it had before (to redraw).
    virtual void Show(const Picture::Impl& picture, Change what, const TwipsBox& old) = 0;
    // Joins the window's controls, on top; called once the picture's state is complete.
    virtual void Attach() = 0;
};

struct Picture::Impl {
    bool SetPicture(std::string_view picture);
    template <class T>
    void Set(T& field, T value, Change what) {
        const TwipsBox old = state.box;
        field = std::move(value);
        native->Show(*this, what, old);
    }
    const std::string& AccessibleName() const { return state.accessible.NameOr(state.tooltip); }

    ControlState state;
    std::string name;  // empty: no picture
    PixelSize size;
    bool stretch = false;
    // After the state it reads, so that it is destroyed first: a widget going may still ask.
    std::unique_ptr<PictureNative> native;
};

// Where the picture is drawn in `box`: filling it when stretched, else at its natural size
// from the box's top-left corner (what overhangs the box is clipped).
inline PixelBox Placement(const PixelBox& box, PixelSize picture, bool stretch) {
    if (stretch) return box;
    return {box.x, box.y, picture.width, picture.height};
}

// The backend's native part of `picture`, a control of `parent`'s client area.
std::unique_ptr<PictureNative> MakePictureNative(Picture& owner, Picture::Impl& picture, Window& parent);

}  // namespace tarnvel::platform
