#include "strip/tests/strip_fixture.h"

namespace tarnvel::strip {
namespace {

using platform::MouseButton;
using platform::PixelPoint;

class DragTest : public StripTest {
protected:
    void SetUp() override { Start({2026, 12, 6}); }
    // One drag tick with the pointer at p (empty: the read fails).
    void DragTick(std::optional<PixelPoint> p) {
        world.pointer.position = p;
        form->TimerCalendarMainStripMove_Timer();
    }
};

// Each drag starts from the window's place at 3930, 3915 twips (15 twips a pixel). The first
// tick only takes note of the pointer; a coordinate of 0 counts as "not taken", so on the
// screen's left or top edge that axis loses a tick; a failed read moves nothing; the window
// may leave the screen.
TEST_F(DragTest, TheWindowFollowsThePointerFromTheSecondTick) {
    struct Step {
        std::optional<PixelPoint> p;
        double left, top;
        bool pressed_anew = false;  // released and pressed again before this tick
    };
    const struct {
        const char* what;
        bool top_bar;
        std::vector<Step> steps;
    } cases[] = {
        {"background",
         false,
         {{PixelPoint{300, 300}, 3930, 3915},
          {PixelPoint{310, 295}, 4080, 3840},
          {PixelPoint{310, 295}, 4080, 3840},
          {PixelPoint{250, 400}, 3180, 5415}}},
        {"top bar", true, {{PixelPoint{500, 10}, 3930, 3915}, {PixelPoint{520, 30}, 4230, 4215}}},
        {"a new press starts afresh, with no jump by the distance since the last drag",
         false,
         {{PixelPoint{300, 300}, 3930, 3915}, {PixelPoint{700, 100}, 3930, 3915, true}}},
        {"left and top edges",
         false,
         {{PixelPoint{0, 300}, 3930, 3915},
          {PixelPoint{10, 310}, 3930, 4065},
          {PixelPoint{20, 310}, 4080, 4065},
          {PixelPoint{30, 0}, 4230, 4065 - 4650},
          {PixelPoint{30, 5}, 4230, 4065 - 4650}}},
        {"no pointer position",
         false,
         {{PixelPoint{300, 300}, 3930, 3915},
          {std::nullopt, 3930, 3915},
          {std::nullopt, 3930, 3915},
          {PixelPoint{302, 301}, 3960, 3930}}},  // the movement since the last known position
        {"off the screen",
         false,
         {{PixelPoint{300, 300}, 3930, 3915}, {PixelPoint{1, 1}, 3930 - 299 * 15, 3915 - 299 * 15}}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        const auto press = [&] {
            k.top_bar ? form->ImageTopBar_MouseDown(MouseButton::Left) : form->Form_MouseDown(MouseButton::Left);
        };
        const auto release = [&] {
            k.top_bar ? form->ImageTopBar_MouseUp(MouseButton::Left) : form->Form_MouseUp(MouseButton::Left);
        };
        w().SetLeft(3930);
        w().SetTop(3915);
        press();
        EXPECT_TRUE(c().TimerCalendarMainStripMove.Enabled());
        for (const Step& s : k.steps) {
            if (s.pressed_anew) release(), press();
            DragTick(s.p);
            EXPECT_DOUBLE_EQ(w().Left(), s.left) << (s.p ? s.p->x : -1);
            EXPECT_DOUBLE_EQ(w().Top(), s.top) << (s.p ? s.p->y : -1);
        }
        release();
        EXPECT_FALSE(c().TimerCalendarMainStripMove.Enabled());
    }
}

// A left click on the close picture hides the calendar: tried through the whole program and on the real screen.
TEST_F(DragTest, OtherButtonsNeitherDragNorClose) {
    for (MouseButton b : {MouseButton::Right, MouseButton::Middle}) {
        form->Form_MouseDown(b);
        form->ImageTopBar_MouseDown(b);
        form->ImageClose_MouseUp(b);
        EXPECT_FALSE(c().TimerCalendarMainStripMove.Enabled());
        EXPECT_TRUE(form->Visible());
    }
    form->Form_MouseDown(MouseButton::Left);
    form->Form_MouseUp(MouseButton::Right);
    EXPECT_TRUE(c().TimerCalendarMainStripMove.Enabled());
}

TEST_F(StripTest, TheWebLinkOpensTheSiteWithWhateverBrowserThereIs) {
    const std::string ie = "C:\\Program Files\\Internet Explorer\\Iexplore.EXE";
    const struct {
        bool ie_exists, browser;
        std::size_t started, opened;
    } cases[] = {
        {true, true, 1, 0},
        {false, true, 0, 1},
        {false, false, 0, 0},  // nothing happens and nothing is said
    };
    for (const auto& k : cases) {
        world.launcher = {};
        if (k.ie_exists) world.launcher.existing_programs.insert(ie);
        world.launcher.browser_available = k.browser;
        Start({2026, 12, 6});
        form->Label3_MouseUp(MouseButton::Right);
        EXPECT_EQ(world.launcher.attempts, 0);
        form->Label3_MouseUp(MouseButton::Left);
        ASSERT_EQ(world.launcher.started.size(), k.started);
        ASSERT_EQ(world.launcher.opened.size(), k.opened);
        if (k.started) {
            EXPECT_EQ(world.launcher.started[0].program, ie);
            EXPECT_EQ(world.launcher.started[0].argument, "www.orvanta.org");
            EXPECT_EQ(world.launcher.started[0].style, platform::WindowStyle::MaximizedFocus);
        }
        if (k.opened) {
            EXPECT_EQ(world.launcher.opened[0], "https://www.orvanta.org");
        }
        EXPECT_EQ(w().MousePointer(), platform::PointerShape::Default);
        EXPECT_TRUE(world.message_box.shown.empty());
    }
}

}  // namespace
}  // namespace tarnvel::strip
