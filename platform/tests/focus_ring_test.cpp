// The ring's way round its stops when some are hidden, or all.
#include <gtest/gtest.h>

#include <string>

#include "platform/focus_ring.h"

namespace tarnvel::platform {
namespace {

struct Stops {
    bool shown[4] = {true, true, true, true};
    int marked = -1;
    std::string activated;
    FocusRing ring;
    Stops() {
        for (int i = 0; i < 4; ++i)
            ring.Add(FocusRing::Stop{[this, i] { return shown[i]; },
                                     [this, i](bool on) {
                                         if (on) marked = i;
                                         else if (marked == i) marked = -1;
                                     },
                                     [this, i] { activated += std::to_string(i); }});
    }
};

TEST(FocusRing, PassesOverHiddenStopsBothWays) {
    const struct {
        bool shown[4];
        Key key;
        int presses;
        int expected;
    } cases[] = {
        {{true, true, true, true}, Key::Tab, 5, 0},       // wraps after the last
        {{false, true, false, true}, Key::Tab, 1, 1},     // the first shown
        {{false, true, false, true}, Key::Tab, 2, 3},
        {{false, true, false, true}, Key::Tab, 3, 1},
        {{true, true, false, false}, Key::BackTab, 1, 1}, // the last shown
        {{true, false, true, false}, Key::BackTab, 2, 0},
        {{true, false, true, false}, Key::BackTab, 3, 2},
    };
    for (const auto& k : cases) {
        Stops s;
        std::copy(std::begin(k.shown), std::end(k.shown), s.shown);
        for (int i = 0; i < k.presses; ++i) EXPECT_TRUE(s.ring.Key(k.key));
        EXPECT_EQ(s.marked, k.expected) << k.presses;
        EXPECT_EQ(s.ring.Current(), k.expected);
        EXPECT_EQ(s.activated, "");
    }
}

TEST(FocusRing, NothingShownNothingMarked) {
    Stops s;
    for (bool& b : s.shown) b = false;
    EXPECT_FALSE(s.ring.Key(Key::Tab));
    EXPECT_FALSE(s.ring.Key(Key::Enter));
    EXPECT_EQ(s.marked, -1);
}

TEST(FocusRing, EnterAndSpaceActivateTheMarkedStopClearForgetsIt) {
    Stops s;
    s.ring.Key(Key::Tab);
    s.ring.Key(Key::Tab);
    EXPECT_TRUE(s.ring.Key(Key::Enter));
    EXPECT_TRUE(s.ring.Key(Key::Space));
    EXPECT_FALSE(s.ring.Key(Key::Escape));
    EXPECT_EQ(s.activated, "11");
    s.ring.Clear();
    EXPECT_EQ(s.marked, -1);
    EXPECT_FALSE(s.ring.Key(Key::Enter));
    EXPECT_TRUE(s.ring.Key(Key::Tab));  // starts again from the first
    EXPECT_EQ(s.marked, 0);
}

}  // namespace
}  // namespace tarnvel::platform
