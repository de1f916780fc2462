#pragma once
// What every view of the rich-text control holds apart from its toolkit: the document and the
// selection, in offsets of the plain text, its box, visibility, colour and accessibility. Each platform's control derives its own part from
// this; the document and selection logic (platform/rich_text_state.cpp) is the same for all.

#include <cstdint>

#include "platform/accessible.h"
#include "platform/colour.h"
#include "platform/control_state.h"
#include "richtext/document.h"

namespace tarnvel::platform {

struct RichTextState {
    virtual ~RichTextState() = default;

    richtext::Document doc;
    std::int64_t sel_start = 0;   // 0 .. text length
    std::int64_t sel_length = 0;  // 0 .. text length - sel_start
    TwipsBox box;
    bool visible = true;
    Colour back = 0x00FFFFFF;
    Accessible accessible;

    std::int64_t TextLength() const { return static_cast<std::int64_t>(doc.text.size()); }

    // Shows `doc` anew in the view (or notes that it must be, where there is no view yet).
    virtual void Render() = 0;
    // Brings the view back to the document's top.
    virtual void ScrollToTop() = 0;
    // Shows the box, the visibility (a control shown comes on top), the background colour and
    // the accessible role and name, where there is a view.
    virtual void Place() = 0;
    virtual void ShowVisible() = 0;
    virtual void ShowBackColor() = 0;
    virtual void ShowAccessible() = 0;
};

}  // namespace tarnvel::platform
