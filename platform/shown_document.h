#pragma once
// What a rich-text view shows of a document, for views that take a whole document at once:
// hidden runs left out, and legacy-encoded Gurmukhi runs converted to Unicode Gurmukhi in a
// Unicode face where their own font is not installed. Toolkit-free, so every view shares it.

#include <functional>
#include <string>
#include <string_view>

#include "richtext/document.h"

namespace tarnvel::platform {

struct ShownDocument {
    richtext::Document document;
    bool converted = false;  // some legacy-encoded text was converted
};

// `installed` answers whether a font family is installed; `unicode_face` names the Unicode
// Gurmukhi face that converted runs are shown in.
ShownDocument ShowDocument(const richtext::Document& doc, const std::function<bool(std::string_view)>& installed,
                           std::string_view unicode_face);

}  // namespace tarnvel::platform
