// A window's state on every platform, on the null backend: no toolkit.
#include <gtest/gtest.h>

#include "platform/fake/null_natives.h"

namespace tarnvel::platform {
namespace {

using fake::NullWindow;

TEST(SharedWindow, IsPlacedInWholePixelsNeverSmallerThanItsFrame) {
    const struct {
        double left, top, width, height;
        PixelBox placed;
    } cases[] = {
        {3930.5, -100, 7500, 1845, {262, -7, 500, 123}},
        {22.5, 37.5, 22.5, 37.5, {2, 2, 2, 2}},  // halves to even
        {0, 0, 0, 0, {0, 0, 2, 2}},             // no less than the frame
        {0, 0, 7500, 14, {0, 0, 500, 2}},
    };
    for (const auto& c : cases) {
        NullWindow w;
        w.left = c.left;
        w.top = c.top;
        w.Resize(c.width, c.height);
        EXPECT_EQ(w.placed, c.placed) << c.left << " " << c.width;
        EXPECT_DOUBLE_EQ(w.left, c.left);  // the twips stay unrounded
    }
}

TEST(SharedWindow, PrintedLinesGoDownALineOfTheirOwnFontUntilCleared) {
    NullWindow w;
    w.font.size = 10;
    w.fore = 0x0000FF;
    w.Print("one");
    w.font.size = 14;
    w.Print("");
    w.fore = 0x00FF00;
    w.Print("three");
    ASSERT_EQ(w.printed.size(), 3u);
    EXPECT_EQ(w.printed[1].y, 20);
    EXPECT_EQ(w.printed[2].y, 48);
    EXPECT_EQ(w.printed[2].text, "three");
    EXPECT_EQ(w.printed[2].colour, 0x00FF00u);
    EXPECT_EQ(w.printed[0].font.size, 10);
    EXPECT_EQ(w.repaints, 3);
    w.Cls();
    EXPECT_TRUE(w.printed.empty());
    w.Print("again");
    EXPECT_EQ(w.printed[0].y, 0);
}

}  // namespace
}  // namespace tarnvel::platform
