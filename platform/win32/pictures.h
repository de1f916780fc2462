#pragma once
// The pictures compiled into the program: PNG files as RCDATA resources named by their file
// name without ".png", decoded once each with GDI+.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string_view>

namespace tarnvel::platform::win32 {

// A decoded picture: a top-down 32-bit DIB with premultiplied alpha, as AlphaBlend takes it.
struct Bitmap {
    HBITMAP dib = nullptr;
    int width = 0;
    int height = 0;
    const std::uint32_t* bits = nullptr;  // width * height pixels, 0xAARRGGBB premultiplied
    // The picture resampled to the smaller size it was last drawn at (DrawPicture).
    mutable std::shared_ptr<const Bitmap> smaller;
    ~Bitmap();
};

// Starts GDI+ for the decoding; the Application calls it, the pictures call it too when needed.
void StartPictures();

// The picture of that name; empty when there is none or it cannot be decoded.
std::shared_ptr<const Bitmap> LoadPicture(std::string_view name);

// Draws the picture into `dest` (client pixels), scaled when the sizes differ; made smaller, it
// is resampled with every pixel counted (GDI+'s high-quality filter), not decimated.
void DrawPicture(HDC dc, const Bitmap& b, const RECT& dest);

// An icon made of the picture; nullptr when there is none. The caller destroys it.
HICON IconFromPicture(std::string_view name);

}  // namespace tarnvel::platform::win32
