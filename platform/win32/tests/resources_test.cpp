// What the program carries in its resources: the compiled-in pictures decode to premultiplied
// top-down pixels of the right size and become icons; the manifest is one Windows accepts.
#include <gtest/gtest.h>
#include <windows.h>

#include <string_view>

#include "platform/win32/pictures.h"
#include "platform/window.h"

namespace tarnvel::platform::win32 {
namespace {

std::uint32_t Pixel(const Bitmap& b, int x, int y) { return b.bits[y * b.width + x]; }

TEST(Pictures, DecodeToPremultipliedTopDownPixels) {
    // The arrow points down: its top row is the widest and darkest, its point a single pixel.
    const auto arrow = LoadPicture("arrow_down");
    ASSERT_TRUE(arrow);
    EXPECT_EQ(arrow->width, 5);
    EXPECT_EQ(arrow->height, 3);
    const struct {
        int x, y;
        std::uint32_t argb;
    } arrow_pixels[] = {
        {0, 0, 0xFF000000}, {4, 0, 0xFF000000}, {2, 2, 0xFF0E0E0E}, {0, 2, 0}, {4, 2, 0}, {1, 1, 0xFF040404},
    };
    for (const auto& k : arrow_pixels) EXPECT_EQ(Pixel(*arrow, k.x, k.y), k.argb) << k.x << "," << k.y;
    EXPECT_EQ(LoadPicture("arrow_down"), arrow) << "decoded once";

    // The close cross: opaque white strokes with a rim of white at alpha 110, stored premultiplied.
    const auto close = LoadPicture("close");
    ASSERT_TRUE(close);
    EXPECT_EQ(Pixel(*close, 0, 0), 0u);
    EXPECT_EQ(Pixel(*close, 2, 2), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(*close, 1, 2), 0x6E6E6E6Eu);
}

int IconWidth(HICON icon) {
    ICONINFO ii{};
    if (!GetIconInfo(icon, &ii)) return -1;
    BITMAP bm{};
    GetObjectW(ii.hbmColor, sizeof bm, &bm);
    DeleteObject(ii.hbmColor);
    DeleteObject(ii.hbmMask);
    return bm.bmWidth;
}

// A picture made an icon keeps its size; a window's icon is the program's icon resource at
// the system's small size.
TEST(Pictures, IconsAreMadeOfPicturesAndAWindowsOfTheIconResource) {
    HICON icon = IconFromPicture("close");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(IconWidth(icon), 12);
    DestroyIcon(icon);
    EXPECT_EQ(IconFromPicture("no_such_picture"), nullptr);

    Window w;
    EXPECT_EQ(w.Icon(), 0u);
    w.SetIcon("icon");
    ASSERT_NE(w.Icon(), 0u);
    EXPECT_EQ(IconWidth(reinterpret_cast<HICON>(w.Icon())), GetSystemMetrics(SM_CXSMICON));
}

// The manifest every program of the platform carries: Windows reads it before the program
// runs (a malformed one stops the program from starting at all), and its DPI awareness keeps
// Windows from enlarging the windows as bitmaps on screens above 96 DPI.
std::string_view Manifest() {
    HMODULE self = GetModuleHandleW(nullptr);
    HRSRC res = FindResourceW(self, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24) /* RT_MANIFEST */);
    if (!res) return {};
    HGLOBAL data = LoadResource(self, res);
    const char* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
    return bytes ? std::string_view(bytes, SizeofResource(self, res)) : std::string_view();
}

TEST(Manifest, DeclaresPerMonitorDpiAwarenessAndIsOneWindowsAccepts) {
    const std::string_view m = Manifest();
    ASSERT_FALSE(m.empty()) << "no manifest in the program";
    // Windows 10 reads the second element, Windows 7 and 8 the first.
    EXPECT_NE(m.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string_view::npos) << m;
    EXPECT_NE(m.find(">true/pm</dpiAware>"), std::string_view::npos) << m;

    // The loader's own reading of it: an activation context made from the resource.
    wchar_t path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    ACTCTXW ctx{};
    ctx.cbSize = sizeof ctx;
    ctx.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    ctx.lpSource = path;
    ctx.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE h = CreateActCtxW(&ctx);
    EXPECT_NE(h, INVALID_HANDLE_VALUE) << "error " << GetLastError();
    if (h != INVALID_HANDLE_VALUE) ReleaseActCtx(h);
}

}  // namespace
}  // namespace tarnvel::platform::win32
