#include <gtest/gtest.h>

#include "strip/text.h"

namespace tarnvel::strip {
namespace {

TEST(Text, SameTextIgnoresCaseOnly) {
    EXPECT_TRUE(SameText("Initial", "INITIAL"));
    EXPECT_TRUE(SameText("06 december 2026", "06 December 2026"));
    EXPECT_FALSE(SameText("Initial", "Initial "));
    EXPECT_FALSE(SameText("Drag", "Drug"));
    EXPECT_TRUE(SameText("", ""));
}

}  // namespace
}  // namespace tarnvel::strip
