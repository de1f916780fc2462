#include <gtest/gtest.h>

#include "platform/picture_scale.h"

namespace tarnvel::platform {
namespace {

TEST(PictureScale, TheFinerDrawingAboveOneDevicePixelPerPixel) {
    struct Case {
        double ratio;
        int scale;
    } cases[] = {
        {1.0, 1},     {0.75, 1},  // never finer than the screen
        {96.00001 / 96, 1},       // a ratio that is 1 but for a division's last digit
        {1.25, 2},    {1.5, 2},    {1.75, 2},  // scaled down, not the 1x enlarged
        {2.0, 2},     {3.0, 2},   // the finest there is
    };
    for (const auto& c : cases) EXPECT_EQ(DrawingScale(c.ratio), c.scale) << c.ratio;
    EXPECT_EQ(DrawingName("close", 1), "close");
    EXPECT_EQ(DrawingName("close", 2), "close@2x");
}

TEST(PictureScale, WindowsRatioIsTheDpiOver96) {
    struct Case {
        TwipsPerPixel factors;
        double ratio;
    } cases[] = {{{15, 15}, 1.0}, {{12, 12}, 1.25}, {{10, 10}, 1.5}, {{7.5, 7.5}, 2.0}, {{0, 0}, 1.0}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(RatioOfFactors(c.factors), c.ratio) << c.factors.x;
    EXPECT_EQ(DrawingScale(RatioOfFactors({1440.0 / 120, 1440.0 / 120})), 2);
    EXPECT_EQ(DrawingScale(RatioOfFactors({1440.0 / 96, 1440.0 / 96})), 1);
}

TEST(PictureScale, ShownSizesAreWholeDevicePixelsWithHalvesUp) {
    struct Case {
        PixelSize natural;
        double ratio;
        PixelSize shown;
    } cases[] = {
        {{12, 12}, 1.0, {12, 12}}, {{12, 12}, 1.25, {15, 15}}, {{12, 12}, 1.5, {18, 18}},
        {{12, 12}, 1.75, {21, 21}}, {{12, 12}, 2.0, {24, 24}},
        {{3, 5}, 1.5, {5, 8}},       // 4.5 and 7.5 up, as the window's own size
        {{5, 3}, 1.75, {9, 5}},      // 8.75 and 5.25 to the nearest
        {{500, 25}, 1.5, {750, 38}}, {{0, 0}, 2.0, {0, 0}},
    };
    for (const auto& c : cases) {
        const PixelSize s = ShownSize(c.natural, c.ratio);
        EXPECT_EQ(s, c.shown) << c.natural.width << "x" << c.natural.height << " at " << c.ratio << ": " << s.width
                              << "x" << s.height;
    }
}

TEST(PictureScale, AStretchedPictureFillsItsTwipsBoxInDevicePixels) {
    // The box is rounded to pixels first (halves to even), as the control is placed, then scaled.
    struct Case {
        double width, height;
        TwipsPerPixel factors;
        double ratio;
        PixelSize device;
    } cases[] = {
        {7500, 375, {15, 15}, 1.0, {500, 25}},
        {7500, 375, {15, 15}, 1.5, {750, 38}},
        {7440, 480, {15, 15}, 2.0, {992, 64}},
        {37.5, 52.5, {15, 15}, 1.5, {3, 6}},     // 2.5 -> 2 -> 3, 3.5 -> 4 -> 6
        {7500, 1845, {10, 10}, 1.0, {750, 184}},  // Windows at 144 DPI, in device pixels: 184.5 -> 184
    };
    for (const auto& c : cases) {
        const PixelSize s = BoxDeviceSize(c.width, c.height, c.factors, c.ratio);
        EXPECT_EQ(s, c.device) << c.width << "x" << c.height << " at " << c.ratio << ": " << s.width << "x"
                               << s.height;
    }
}

}  // namespace
}  // namespace tarnvel::platform
