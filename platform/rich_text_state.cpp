// The rich-text control's document and selection, the same on every platform: documents come
// from the shared reader, and selections are clamped into the plain text as the classic
// control clamps them.
#include <algorithm>

#include "platform/rich_text_box.h"
#include "platform/rich_text_state.h"
#include "richtext/load.h"

namespace tarnvel::platform {

bool RichTextBox::LoadFile(const std::string& path, std::string* why) {
    richtext::LoadResult r = richtext::load_file(path);
    if (!r) {
        if (why) *why = r.message;
        return false;
    }
    SetContent(std::move(r.document));
    return true;
}

void RichTextBox::SetContent(richtext::Document doc) {
    RichTextState& s = State();
    s.doc = std::move(doc);
    s.sel_start = 0;
    s.sel_length = 0;
    s.Render();
    if (on_change) on_change();
}

void RichTextBox::SetPlainText(std::string_view utf8) { SetContent(richtext::plain_document(utf8)); }

const richtext::Document& RichTextBox::Content() const { return State().doc; }
const std::u16string& RichTextBox::Text() const { return State().doc.text; }

void RichTextBox::SetSelStart(std::int64_t start) {
    RichTextState& s = State();
    s.sel_start = std::clamp<std::int64_t>(start, 0, s.TextLength());
    s.sel_length = 0;
    // The view's own positions differ from the plain text's (breaks, converted Gurmukhi,
    // hidden runs); what the reader needs of the view is its top when the selection goes
    // back to 0.
    if (s.sel_start == 0) s.ScrollToTop();
}
void RichTextBox::SetSelLength(std::int64_t length) {
    RichTextState& s = State();
    s.sel_length = std::clamp<std::int64_t>(length, 0, s.TextLength() - s.sel_start);
}
std::int64_t RichTextBox::SelStart() const { return State().sel_start; }
std::int64_t RichTextBox::SelLength() const { return State().sel_length; }
richtext::Document RichTextBox::SelDocument() const { return State().doc.selection(State().sel_start, State().sel_length); }

void RichTextBox::Move(double left, double top, double width, double height) {
    State().box = {left, top, width, height};
    State().Place();
}
double RichTextBox::Left() const { return State().box.left; }
double RichTextBox::Top() const { return State().box.top; }
double RichTextBox::Width() const { return State().box.width; }
double RichTextBox::Height() const { return State().box.height; }

void RichTextBox::SetVisible(bool v) {
    State().visible = v;
    State().ShowVisible();
}
bool RichTextBox::Visible() const { return State().visible; }

void RichTextBox::SetBackColor(Colour c) {
    State().back = c;
    State().ShowBackColor();
}
Colour RichTextBox::BackColor() const { return State().back; }

// The text itself is read through the view; the name is only what is set.
void RichTextBox::SetAccessible(AccessibleRole role, std::string_view name) {
    State().accessible = {role, std::string(name)};
    State().ShowAccessible();
}
AccessibleRole RichTextBox::Role() const { return State().accessible.role; }
std::string RichTextBox::AccessibleName() const { return State().accessible.name; }

}  // namespace tarnvel::platform
