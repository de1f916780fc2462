#pragma once
// A rich-text control in a window's client area: read-only, it holds one document and shows
// it with its formatting. Offsets and lengths are UTF-16 code units of the plain text, in
// which every paragraph or line break counts as two characters (CR LF).
//
// Gurmukhi typed in a legacy keyboard-encoded font (GurbaniLipi and its family) is shown as
// typed where that font is installed, and otherwise converted to Unicode and shown in a
// Unicode Gurmukhi font; the plain text always keeps the characters as the file has them, so
// positions found in it stay valid for selections.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/accessible.h"
#include "platform/colour.h"
#include "richtext/document.h"
#include "platform/window.h"

namespace tarnvel::platform {

struct RichTextState;

// No text cursor is drawn and keys scroll the view: there is nothing to type at. Esc, Enter,
// Space, Tab and Shift+Tab go on to the window's on_key.
class RichTextBox {
public:
    explicit RichTextBox(Window& parent);  // visible, empty, white background
    ~RichTextBox();
    RichTextBox(const RichTextBox&) = delete;
    RichTextBox& operator=(const RichTextBox&) = delete;

    // Replaces the whole content with the rich-text file at `path`. Returns false and keeps
    // the content when the file is missing, unreadable, not rich text or larger than 16 MB;
    // `why`, when given, then names the file and the reason.
    bool LoadFile(const std::string& path, std::string* why = nullptr);

    // Replaces the whole content (raises on_change).
    void SetContent(richtext::Document doc);
    // Replaces the whole content with unformatted text (UTF-8; "\r\n" or "\n" break lines).
    void SetPlainText(std::string_view utf8);
    const richtext::Document& Content() const;
    const std::u16string& Text() const;

    // The selection, clamped into the text. Setting the start empties the selection, as the
    // classic control does; set the length after it.
    void SetSelStart(std::int64_t start);
    void SetSelLength(std::int64_t length);
    std::int64_t SelStart() const;
    std::int64_t SelLength() const;
    // The selected part with its formatting, as a document of its own.
    richtext::Document SelDocument() const;

    void Move(double left, double top, double width, double height);  // twips in the client area
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void SetVisible(bool v);
    bool Visible() const;
    void SetBackColor(Colour c);
    Colour BackColor() const;
    // Gives the control the keyboard focus, at once or when its window next becomes active.
    void SetFocus();
    bool HasFocus() const;

    // Whether a legacy-encoded run is currently shown converted to Unicode.
    bool ShowsConvertedGurmukhi() const;
    // The text as the view shows it (UTF-8, one "\n" per paragraph or line break).
    std::string ShownText() const;

    // Role and name for screen readers; the text itself is read through the control.
    void SetAccessible(AccessibleRole role, std::string_view name);
    AccessibleRole Role() const;
    std::string AccessibleName() const;

    MouseHandlers mouse;               // move only: presses belong to the text view
    std::function<void()> on_change;   // the content was replaced

    struct Impl;

private:
    // The document and selection, shared by every platform's control (platform/rich_text_state.h).
    RichTextState& State() const;
    std::unique_ptr<Impl> impl_;
};

}  // namespace tarnvel::platform
