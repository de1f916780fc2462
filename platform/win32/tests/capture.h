#pragma once
// Reads back what a window draws in its client area, as PrintWindow gives it.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/colour.h"
#include "platform/window.h"

namespace tarnvel::platform::win32::test {

struct Capture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top-down

    Colour At(int x, int y) const {
        const std::uint32_t p = pixels[static_cast<std::size_t>(y * width + x)];
        return Rgb(static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p));
    }
    // How many pixels of the rectangle [x0, x1) x [y0, y1) have exactly colour `c`.
    int Count(Colour c, int x0, int y0, int x1, int y1) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += At(x, y) == c;
        return n;
    }
    int Count(Colour c) const { return Count(c, 0, 0, width, height); }
};

inline Capture CaptureClient(const Window& w) {
    HWND hwnd = reinterpret_cast<HWND>(w.Handle());
    RECT r;
    GetClientRect(hwnd, &r);
    Capture c;
    c.width = r.right;
    c.height = r.bottom;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = c.width;
    bi.bmiHeader.biHeight = -c.height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC mem = CreateCompatibleDC(nullptr);
    HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    PrintWindow(hwnd, mem, PW_CLIENTONLY);
    GdiFlush();
    const auto* p = static_cast<const std::uint32_t*>(bits);
    c.pixels.assign(p, p + c.width * c.height);
    for (auto& px : c.pixels) px &= 0x00FFFFFFu;
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    return c;
}

}  // namespace tarnvel::platform::win32::test
