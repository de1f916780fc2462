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

// Gives `out` a top-down 32-bit DIB of w x h, zeroed; its pixels, or null when there is none.
void* MakeDib(Bitmap& out, int w, int h) {
    if (w <= 0 || h <= 0) return nullptr;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    out.dib = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    return out.dib ? bits : nullptr;
}

// The picture at w x h, each of its pixels weighed in; the edges are extended by mirroring, so
// that they keep their colour instead of fading into transparency.
std::shared_ptr<const Bitmap> Resample(const Bitmap& b, int w, int h) {
    auto out = std::make_shared<Bitmap>();
    void* bits = GdiplusReady() ? MakeDib(*out, w, h) : nullptr;
    if (!bits) return nullptr;
    Gdiplus::GpBitmap* src = nullptr;
    Gdiplus::GpBitmap* dst = nullptr;
    Gdiplus::GpGraphics* g = nullptr;
    Gdiplus::GpImageAttributes* edges = nullptr;
    // Both wrap the DIBs' own pixels; GDI+ writes the result straight into the new one.
    bool ok = flat::GdipCreateBitmapFromScan0(b.width, b.height, b.width * 4, PixelFormat32bppPARGB,
                                              reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(b.bits)),
                                              &src) == Gdiplus::Ok &&
              flat::GdipCreateBitmapFromScan0(w, h, w * 4, PixelFormat32bppPARGB, static_cast<BYTE*>(bits), &dst) ==
                  Gdiplus::Ok &&
              flat::GdipGetImageGraphicsContext(dst, &g) == Gdiplus::Ok &&
              flat::GdipCreateImageAttributes(&edges) == Gdiplus::Ok;
    if (ok) {
        flat::GdipSetCompositingMode(g, Gdiplus::CompositingModeSourceCopy);
        flat::GdipSetInterpolationMode(g, Gdiplus::InterpolationModeHighQualityBilinear);
        flat::GdipSetPixelOffsetMode(g, Gdiplus::PixelOffsetModeHalf);
        flat::GdipSetImageAttributesWrapMode(edges, Gdiplus::WrapModeTileFlipXY, 0, FALSE);
        ok = flat::GdipDrawImageRectRectI(g, src, 0, 0, w, h, 0, 0, b.width, b.height, Gdiplus::UnitPixel, edges,
                                          nullptr, nullptr) == Gdiplus::Ok;
    }
    if (edges) flat::GdipDisposeImageAttributes(edges);
    if (g) flat::GdipDeleteGraphics(g);
    if (dst) flat::GdipDisposeImage(dst);
    if (src) flat::GdipDisposeImage(src);
    if (!ok) return nullptr;
    out->width = w;
    out->height = h;
    out->bits = static_cast<const std::uint32_t*>(bits);
    return out;
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
    void* bits = MakeDib(*out, static_cast<int>(w), static_cast<int>(h));
    if (!bits) {
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

void DrawPicture(HDC dc, const Bitmap& picture, const RECT& dest) {
    const int w = dest.right - dest.left;
    const int h = dest.bottom - dest.top;
    const Bitmap* shown = &picture;
    // AlphaBlend makes a picture smaller by skipping pixels, which frays the 2x drawings'
    // strokes on screens between 96 and 192 DPI; a resampled copy is kept for the next paint.
    if (w > 0 && h > 0 && w <= picture.width && h <= picture.height && (w < picture.width || h < picture.height)) {
        if (!picture.smaller || picture.smaller->width != w || picture.smaller->height != h)
            picture.smaller = Resample(picture, w, h);
        if (picture.smaller) shown = picture.smaller.get();
    }
    const Bitmap& b = *shown;
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
