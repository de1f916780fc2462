// What the windows draw, read back pixel by pixel: the frame, the labels in their colours,
// the focus mark, the printed watermarks and the pictures.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <set>
#include <vector>

#include "platform/application.h"
#include "platform/label.h"
#include "platform/picture.h"

namespace tarnvel::platform {
namespace {

// What a window draws in its client area, as PrintWindow gives it.
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

Capture CaptureClient(const Window& w) {
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

constexpr Colour White = Rgb(255, 255, 255);
constexpr Colour Red = Rgb(255, 0, 0);
constexpr Colour Blue = Rgb(0, 0, 255);

// A shown window of 200 x 100 pixels (outer) at (40, 30), white inside.
struct Shown {
    Window w;
    Shown() {
        w.SetBackColor(White);
        w.SetLeft(40 * w.Factors().x);
        w.SetTop(30 * w.Factors().y);
        w.SetSize(200 * w.Factors().x, 100 * w.Factors().y);
        w.Show();
        Application::ProcessEvents(20);
    }
    double X(int px) const { return px * w.Factors().x; }
    double Y(int px) const { return px * w.Factors().y; }
};

TEST(Drawing, LeftAndTopAreTheOuterFramesAndTheFrameIsOnePixel) {
    Shown s;
    HWND h = reinterpret_cast<HWND>(s.w.Handle());
    RECT outer, client;
    GetWindowRect(h, &outer);
    GetClientRect(h, &client);
    POINT origin{0, 0};
    ClientToScreen(h, &origin);
    // Outer left, top, right, bottom; the client's size; the client's origin on the screen.
    EXPECT_EQ((std::vector<long>{outer.left, outer.top, outer.right, outer.bottom, client.right, client.bottom,
                                 origin.x, origin.y}),
              (std::vector<long>{40, 30, 240, 130, 198, 98, 41, 31}));
}

TEST(Drawing, LabelsDrawTheirTextInTheirColourInsideTheirBox) {
    Shown s;
    Label red(s.w), hidden(s.w);
    for (Label* l : {&red, &hidden}) {
        l->SetFont(Font{"Arial", 20, true, false, false});
        l->SetForeColor(l == &red ? Red : Blue);
        l->Move(s.X(l == &red ? 10 : 100), s.Y(10), s.X(80), s.Y(40));
        l->SetCaption("MMM");
    }
    hidden.SetVisible(false);
    const auto c = CaptureClient(s.w);
    EXPECT_GT(c.Count(Red, 10, 10, 90, 50), 50);
    EXPECT_EQ(c.Count(Red), c.Count(Red, 10, 10, 90, 50)) << "drawn outside its box";
    EXPECT_EQ(c.Count(Blue), 0) << "a hidden label was drawn";
    EXPECT_EQ(c.At(5, 5), White);
}

TEST(Drawing, AnOpaqueLabelFillsItsBoxAndATransparentOneDoesNot) {
    Shown s;
    s.w.SetBackColor(Blue);
    Label l(s.w);
    l.Move(s.X(10), s.Y(10), s.X(50), s.Y(20));
    Application::ProcessEvents(10);
    EXPECT_EQ(CaptureClient(s.w).At(30, 20), Blue);
    l.SetTransparent(false);
    EXPECT_EQ(CaptureClient(s.w).At(30, 20), static_cast<Colour>(GetSysColor(COLOR_BTNFACE)));
}

TEST(Drawing, TheFocusMarkIsDrawnOnlyWhileSet) {
    Shown s;
    Label l(s.w);
    l.SetCaption("More");
    l.Move(s.X(20), s.Y(20), s.X(100), s.Y(40));
    Application::ProcessEvents(20);
    const auto plain = CaptureClient(s.w);
    l.SetFocusMark(true);
    Application::ProcessEvents(20);
    const auto marked = CaptureClient(s.w);
    l.SetFocusMark(false);
    Application::ProcessEvents(20);
    EXPECT_EQ(CaptureClient(s.w).pixels, plain.pixels);
    // The dotted frame's top edge, above the text.
    EXPECT_EQ(plain.Count(White, 20, 20, 120, 21), 100);
    EXPECT_LT(marked.Count(White, 20, 20, 120, 21), 75);
}

TEST(Drawing, PrintedLinesSurviveRepaintsUntilCleared) {
    Shown s;
    s.w.SetFont(Font{"Arial", 20, true, false, false});
    s.w.SetForeColor(Red);
    s.w.Print("MMM");
    s.w.Print("MMM");
    HWND h = reinterpret_cast<HWND>(s.w.Handle());
    InvalidateRect(h, nullptr, TRUE);
    UpdateWindow(h);
    const auto c = CaptureClient(s.w);
    // Two lines, one under the other from the top-left corner.
    EXPECT_GT(c.Count(Red, 0, 0, 100, 30), 30);
    EXPECT_GT(c.Count(Red, 0, 30, 100, 62), 30);
    s.w.Cls();
    EXPECT_EQ(CaptureClient(s.w).Count(Red), 0);
}

TEST(Drawing, PicturesAtNaturalSizeOrStretchedOverTheBackground) {
    Shown s;
    Picture p(s.w);
    ASSERT_TRUE(p.SetPicture("arrow_down"));  // 5 x 3, black on top
    p.Move(s.X(20), s.Y(20), s.X(40), s.Y(30));
    auto c = CaptureClient(s.w);
    EXPECT_EQ(c.At(20, 20), Rgb(0, 0, 0));
    EXPECT_EQ(c.At(24, 20), Rgb(0, 0, 0));
    EXPECT_EQ(c.At(20, 22), White);  // transparent beside the point
    EXPECT_EQ(c.At(26, 20), White);  // past the natural width
    p.SetStretch(true);
    c = CaptureClient(s.w);
    EXPECT_EQ(c.At(55, 22), Rgb(0, 0, 0));  // the top row now spans the box
    EXPECT_EQ(c.At(61, 22), White);
    p.SetVisible(false);
    EXPECT_EQ(CaptureClient(s.w).Count(Rgb(0, 0, 0)), 0);
}

TEST(Drawing, APictureMadeSmallerIsResampledWithItsEdgesKept) {
    Shown s;
    s.w.SetBackColor(Blue);
    // The 2x cross at 1.5 times the 1x size, as a 144 DPI screen shows it: every source pixel
    // weighed in gives many shades between the cross and the background, where skipping
    // pixels keeps only the drawing's own three.
    Picture cross(s.w);
    ASSERT_TRUE(cross.SetPicture("close@2x"));
    cross.SetStretch(true);
    cross.Move(s.X(20), s.Y(20), s.X(18), s.Y(18));
    // An opaque bar made smaller: its edge columns keep the bar's colour, not the background's.
    Picture bar(s.w);
    ASSERT_TRUE(bar.SetPicture("top_bar@2x"));  // 1000 x 50
    bar.SetStretch(true);
    bar.Move(s.X(20), s.Y(45), s.X(150), s.Y(30));
    const auto c = CaptureClient(s.w);
    std::set<Colour> shades;
    for (int y = 20; y < 38; ++y)
        for (int x = 20; x < 38; ++x) shades.insert(c.At(x, y));
    EXPECT_GT(shades.size(), 10u);
    EXPECT_EQ(c.At(29, 29), White);  // where the strokes cross
    EXPECT_EQ(c.At(20, 29), Blue);   // transparent at the sides
    for (int y : {50, 60, 73}) {
        EXPECT_EQ(c.At(20, y), c.At(90, y)) << y;
        EXPECT_EQ(c.At(169, y), c.At(90, y)) << y;
    }
    EXPECT_EQ(c.At(90, 74), Rgb(212, 145, 17));  // the saffron rule at the foot, to its last row
}

}  // namespace
}  // namespace tarnvel::platform
