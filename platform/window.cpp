// The Window calls that are only state, the same on every platform (platform/window_core.h).
#include "platform/window.h"

#include "platform/window_core.h"

namespace tarnvel::platform {

double Window::Left() const { return CoreOf(*this).left; }
double Window::Top() const { return CoreOf(*this).top; }
double Window::Width() const { return CoreOf(*this).width; }
double Window::Height() const { return CoreOf(*this).height; }

void Window::SetLeft(double twips) {
    WindowCore& d = CoreOf(*this);
    d.left = twips;
    d.Place();
}

void Window::SetTop(double twips) {
    WindowCore& d = CoreOf(*this);
    d.top = twips;
    d.Place();
}

void Window::SetSize(double width_twips, double height_twips) {
    if (CoreOf(*this).Resize(width_twips, height_twips) && on_resize) on_resize();
}

void Window::SetBackColor(Colour c) {
    WindowCore& d = CoreOf(*this);
    d.back = c;
    d.Repaint();
}
Colour Window::BackColor() const { return CoreOf(*this).back; }

PointerShape Window::MousePointer() const { return CoreOf(*this).pointer; }

void Window::SetFont(const Font& f) { CoreOf(*this).font = f; }
const Font& Window::GetFont() const { return CoreOf(*this).font; }
void Window::SetForeColor(Colour c) { CoreOf(*this).fore = c; }
Colour Window::ForeColor() const { return CoreOf(*this).fore; }

void Window::Print(std::string_view line) { CoreOf(*this).Print(line); }
void Window::Cls() { CoreOf(*this).Cls(); }

std::vector<std::string> Window::PrintedLines() const {
    std::vector<std::string> out;
    for (const auto& l : CoreOf(*this).printed) out.push_back(l.text);
    return out;
}

TwipsPerPixel Window::Factors() const { return CoreOf(*this).factors; }

}  // namespace tarnvel::platform
