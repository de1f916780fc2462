// A label's single font properties, each a change of the whole font: the same on every platform.
#include "platform/label.h"

namespace tarnvel::platform {

void Label::SetFontName(std::string_view name) {
    Font f = GetFont();
    f.name = std::string(name);
    SetFont(f);
}
void Label::SetFontSize(double points) {
    Font f = GetFont();
    f.size = points;
    SetFont(f);
}
void Label::SetFontBold(bool b) {
    Font f = GetFont();
    f.bold = b;
    SetFont(f);
}
void Label::SetFontItalic(bool b) {
    Font f = GetFont();
    f.italic = b;
    SetFont(f);
}
void Label::SetFontUnderline(bool b) {
    Font f = GetFont();
    f.underline = b;
    SetFont(f);
}

}  // namespace tarnvel::platform
