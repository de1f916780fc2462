#include <gtest/gtest.h>

#include "platform/colour.h"
#include "platform/units.h"

namespace tarnvel::platform {
namespace {

TEST(Units, PixelsFromTwipsRoundHalvesToEven) {
    struct Case {
        double twips, factor;
        int pixels;
    } cases[] = {
        {7500, 15, 500}, {3930, 15, 262},  // 262.0
        {37.5, 15, 2},   {52.5, 15, 4},    // 2.5 -> 2, 3.5 -> 4
        {-37.5, 15, -2}, {-52.5, 15, -4},  // the same below zero
        {22.4, 15, 1},   {22.6, 15, 2},    // nearest otherwise
        {7500, 12, 625}, {18, 12, 2},      // 120 DPI: 1.5 -> 2
        {30, 12, 2},                       // 2.5 -> 2
    };
    for (const auto& c : cases) EXPECT_EQ(TwipsToPixels(c.twips, c.factor), c.pixels) << c.twips << " / " << c.factor;
}

TEST(Colour, ComponentsOfBgrValues) {
    EXPECT_EQ(Rgb(212, 145, 17), 0x001191D4u);
    EXPECT_EQ(Rgb(8, 43, 109), 0x006D2B08u);
    EXPECT_EQ(Red(0x001191D4), 212);
    EXPECT_EQ(Green(0x001191D4), 145);
    EXPECT_EQ(Blue(0x001191D4), 17);
}

}  // namespace
}  // namespace tarnvel::platform
