#pragma once
// What every view of the rich-text control holds apart from its toolkit: the document and the
// selection, in offsets of the plain text. Each platform's control derives its own part from
// this; the document and selection logic (platform/rich_text_state.cpp) is the same for all.

#include <cstdint>

#include "richtext/document.h"

namespace tarnvel::platform {

struct RichTextState {
    virtual ~RichTextState() = default;

    richtext::Document doc;
    std::int64_t sel_start = 0;   // 0 .. text length
    std::int64_t sel_length = 0;  // 0 .. text length - sel_start

    std::int64_t TextLength() const { return static_cast<std::int64_t>(doc.text.size()); }

    // Shows `doc` anew in the view (or notes that it must be, where there is no view yet).
    virtual void Render() = 0;
    // Brings the view back to the document's top.
    virtual void ScrollToTop() = 0;
};

}  // namespace tarnvel::platform
