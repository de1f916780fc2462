#include "platform/win32/convert.h"

#include <cmath>

namespace tarnvel::platform::win32 {

std::wstring Wide(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), n, nullptr, nullptr);
    return out;
}

TwipsPerPixel ScreenFactors() {
    HDC dc = GetDC(nullptr);
    if (!dc) return {};
    const int x = GetDeviceCaps(dc, LOGPIXELSX);
    const int y = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    if (x <= 0 || y <= 0) return {};
    return {1440.0 / x, 1440.0 / y};
}

HFONT MakeFont(const Font& f, TwipsPerPixel factors) {
    // The character height (not the cell height) of the point size, as the classic controls ask for it.
    const double dpi = 1440.0 / factors.y;
    const int height = -static_cast<int>(std::lround((f.size > 0 ? f.size : 1.0) * dpi / 72.0));
    return CreateFontW(height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, f.italic, f.underline, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       Wide(f.name).c_str());
}

RECT PixelRect(double left, double top, double width, double height, TwipsPerPixel factors) {
    const LONG x = TwipsToPixels(left, factors.x);
    const LONG y = TwipsToPixels(top, factors.y);
    return {x, y, x + TwipsToPixels(width, factors.x), y + TwipsToPixels(height, factors.y)};
}

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

}  // namespace tarnvel::platform::win32
