#include "platform/win32/pictures.h"

#include <objidl.h>
#include <shlwapi.h>
#include <gdiplus.h>

#include <cstring>
#include <map>
#include <string>

#include "platform/win32/convert.h"

namespace tarnvel::platform::win32 {

namespace flat = Gdiplus::DllExports;

namespace {

// The GDI+ session lives as long as the process: pictures are kept for the program's life.
bool GdiplusReady() {
    static const bool ready = [] {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    return ready;
}

std::shared_ptr<const Bitmap> Decode(std::string_view name) {
    if (!GdiplusReady()) return nullptr;
    HRSRC res = FindResourceW(Instance(), Wide(name).c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!res) return nullptr;
    HGLOBAL data = LoadResource(Instance(), res);
    const void* bytes = data ? LockResource(data) : nullptr;
    const DWORD size = SizeofResource(Instance(), res);
    if (!bytes || size == 0) return nullptr;
    IStream* stream = SHCreateMemStream(static_cast<const BYTE*>(bytes), size);
    if (!stream) return nullptr;
    Gdiplus::GpBitmap* image = nullptr;
    const Gdiplus::Status status = flat::GdipCreateBitmapFromStream(stream, &image);
    stream->Release();
    if (status != Gdiplus::Ok || !image) return nullptr;

    auto out = std::make_shared<Bitmap>();
    UINT w = 0, h = 0;
    flat::GdipGetImageWidth(image, &w);
    flat::GdipGetImageHeight(image, &h);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = static_cast<LONG>(w);
    bi.bmiHeader.biHeight = -static_cast<LONG>(h);  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    out->dib = w && h ? CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    if (!out->dib) {
        flat::GdipDisposeImage(image);
        return nullptr;
    }
    // GDI+ writes the pixels straight into the DIB, premultiplied as AlphaBlend wants them.
    Gdiplus::BitmapData locked{};
    locked.Width = w;
    locked.Height = h;
    locked.Stride = static_cast<INT>(w * 4);
    locked.PixelFormat = PixelFormat32bppPARGB;
    locked.Scan0 = bits;
    const Gdiplus::GpRect all(0, 0, static_cast<INT>(w), static_cast<INT>(h));
    const Gdiplus::Status read =
        flat::GdipBitmapLockBits(image, &all, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                                 PixelFormat32bppPARGB, &locked);
    if (read == Gdiplus::Ok) flat::GdipBitmapUnlockBits(image, &locked);
    flat::GdipDisposeImage(image);
    if (read != Gdiplus::Ok) return nullptr;
    out->width = static_cast<int>(w);
    out->height = static_cast<int>(h);
    out->bits = static_cast<const std::uint32_t*>(bits);
    return out;
}

}  // namespace

Bitmap::~Bitmap() {
    if (dib) DeleteObject(dib);
}

void StartPictures() { GdiplusReady(); }

std::shared_ptr<const Bitmap> LoadPicture(std::string_view name) {
    // Decoded once per name: the windows set the same few pictures again and again.
    static std::map<std::string, std::shared_ptr<const Bitmap>, std::less<>> cache;
    if (const auto it = cache.find(name); it != cache.end()) return it->second;
    auto b = Decode(name);
    if (b) cache.emplace(std::string(name), b);
    return b;
}

void DrawPicture(HDC dc, const Bitmap& b, const RECT& dest) {
    HDC src = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(src, b.dib);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    if (dest.right - dest.left == b.width && dest.bottom - dest.top == b.height) {
        AlphaBlend(dc, dest.left, dest.top, b.width, b.height, src, 0, 0, b.width, b.height, blend);
    } else {
        SetStretchBltMode(dc, HALFTONE);
        AlphaBlend(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, src, 0, 0, b.width,
                   b.height, blend);
    }
    SelectObject(src, old);
    DeleteDC(src);
}

HICON IconFromPicture(std::string_view name) {
    const auto b = LoadPicture(name);
    if (!b) return nullptr;
    // The colour bitmap's alpha is the icon's transparency; the mask is then ignored but required.
    HBITMAP mask = CreateBitmap(b->width, b->height, 1, 1, nullptr);
    ICONINFO ii{};
    ii.fIcon = TRUE;
    ii.hbmColor = b->dib;
    ii.hbmMask = mask;
    HICON icon = CreateIconIndirect(&ii);
    DeleteObject(mask);
    return icon;
}

}  // namespace tarnvel::platform::win32
