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

TEST_F(DragTest, TheWindowFollowsThePointerFromTheSecondTick) {
    form->Form_MouseDown(MouseButton::Left);
    EXPECT_TRUE(c().TimerCalendarMainStripMove.Enabled());
    const struct {
        PixelPoint p;
        double left, top;
    } ticks[] = {
        {{300, 300}, 3930, 3915},  // takes note only
        {{310, 295}, 4080, 3840},
        {{310, 295}, 4080, 3840},
        {{250, 400}, 3180, 5415},
    };
    for (const auto& t : ticks) {
        DragTick(t.p);
        EXPECT_DOUBLE_EQ(w().Left(), t.left) << t.p.x;
        EXPECT_DOUBLE_EQ(w().Top(), t.top) << t.p.y;
    }
    form->Form_MouseUp(MouseButton::Left);
    EXPECT_FALSE(c().TimerCalendarMainStripMove.Enabled());
}

TEST_F(DragTest, TheTopBarDragsLikeTheBackground) {
    form->ImageTopBar_MouseDown(MouseButton::Left);
    EXPECT_TRUE(c().TimerCalendarMainStripMove.Enabled());
    DragTick(PixelPoint{500, 10});
    DragTick(PixelPoint{520, 30});
    EXPECT_DOUBLE_EQ(w().Left(), 4230);
    EXPECT_DOUBLE_EQ(w().Top(), 4215);
    form->ImageTopBar_MouseUp(MouseButton::Left);
    EXPECT_FALSE(c().TimerCalendarMainStripMove.Enabled());
}

TEST_F(DragTest, OtherButtonsDoNotDrag) {
    for (MouseButton b : {MouseButton::Right, MouseButton::Middle}) {
        form->Form_MouseDown(b);
        form->ImageTopBar_MouseDown(b);
        EXPECT_FALSE(c().TimerCalendarMainStripMove.Enabled());
    }
    form->Form_MouseDown(MouseButton::Left);
    form->Form_MouseUp(MouseButton::Right);
    EXPECT_TRUE(c().TimerCalendarMainStripMove.Enabled());
}

TEST_F(DragTest, APressZeroesTheDragState) {
    form->Form_MouseDown(MouseButton::Left);
    DragTick(PixelPoint{300, 300});
    EXPECT_EQ(form->DragPointerX, 300);
    EXPECT_FLOAT_EQ(form->DragLastX, 4500);
    form->Form_MouseUp(MouseButton::Left);
    form->Form_MouseDown(MouseButton::Left);
    EXPECT_EQ(form->DragPointerX, 0);
    EXPECT_EQ(form->DragPointerY, 0);
    EXPECT_FLOAT_EQ(form->DragLastX, 0);
    EXPECT_FLOAT_EQ(form->DragLastY, 0);
    // The new drag starts afresh: no jump by the distance since the last drag.
    DragTick(PixelPoint{700, 100});
    EXPECT_DOUBLE_EQ(w().Left(), 3930);
    EXPECT_DOUBLE_EQ(w().Top(), 3915);
}

TEST_F(DragTest, OnTheScreensLeftOrTopEdgeThatAxisLosesOneTick) {
    form->Form_MouseDown(MouseButton::Left);
    DragTick(PixelPoint{0, 300});
    DragTick(PixelPoint{10, 310});  // x: 0 means "not taken", so this tick only notes 150
    EXPECT_DOUBLE_EQ(w().Left(), 3930);
    EXPECT_DOUBLE_EQ(w().Top(), 4065);
    DragTick(PixelPoint{20, 310});
    EXPECT_DOUBLE_EQ(w().Left(), 4080);
    DragTick(PixelPoint{30, 0});
    DragTick(PixelPoint{30, 5});
    EXPECT_DOUBLE_EQ(w().Top(), 4065 - 4650);  // to row 0, then row 5 only noted
}

TEST_F(DragTest, ADragTickWithoutPointerPositionChangesNothing) {
    form->Form_MouseDown(MouseButton::Left);
    DragTick(PixelPoint{300, 300});
    DragTick(std::nullopt);
    DragTick(std::nullopt);
    EXPECT_DOUBLE_EQ(w().Left(), 3930);
    EXPECT_DOUBLE_EQ(w().Top(), 3915);
    EXPECT_EQ(form->DragPointerX, 300);
    EXPECT_FLOAT_EQ(form->DragLastX, 4500);
    DragTick(PixelPoint{302, 301});  // the movement since the last known position
    EXPECT_DOUBLE_EQ(w().Left(), 3960);
    EXPECT_DOUBLE_EQ(w().Top(), 3930);
}

TEST_F(DragTest, TheWindowMayLeaveTheScreen) {
    form->Form_MouseDown(MouseButton::Left);
    DragTick(PixelPoint{300, 300});
    DragTick(PixelPoint{1, 1});
    EXPECT_DOUBLE_EQ(w().Left(), 3930 - 299 * 15);
    EXPECT_DOUBLE_EQ(w().Top(), 3915 - 299 * 15);
}

TEST_F(StripTest, TheClosePictureHidesTheCalendar) {
    Start({2026, 12, 6});
    calls.clear();
    form->ImageClose_MouseUp(MouseButton::Right);
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(form->Visible());
    form->ImageClose_MouseUp(MouseButton::Left);
    EXPECT_EQ(calls, (std::vector<std::string>{"HideAllForms"}));
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(form->Loaded());
}

// Left hidden for days, the calendar still follows the date: the icon's tooltip is
// the only date the user sees then. Hover and watermarks wait for the strip.
TEST_F(StripTest, HiddenStripFollowsTheDateButDrawsNothing) {
    Start({2027, 3, 13});
    Tick(2);
    form->ImageClose_MouseUp(MouseButton::Left);
    ASSERT_FALSE(form->Visible());
    EXPECT_TRUE(c().TmrCheckMouse.Enabled());
    calls.clear();
    world.clock.today = {2027, 3, 14};
    Tick();
    EXPECT_EQ(calls, std::vector<std::string>{"SetTrayTip 1 Chet, Sammat 559 Nanakshahi"});
    EXPECT_EQ(c().Label6.Caption(), "Happy New Year, \"Nanakshahi 559\"");
    EXPECT_TRUE(w().PrintedLines().empty());
    form->Show();
    Tick();
    EXPECT_EQ(w().PrintedLines().size(), 7u) << "the New Year watermark, once shown";
}

// Where the desktop has no notification area, the strip's own right-click menu
// carries "Exit"; elsewhere a right click does nothing.
TEST_F(StripTest, RightClickOffersExitOnlyWithoutANotificationArea) {
    bool no_area = false;
    StripSeams seams = RecordingSeams();
    seams.OfferExitOnStrip = [&] { return no_area; };
    seams.mnuTrayClose_Click = [this] { calls.push_back("Exit"); };
    world.clock.today = {2026, 12, 6};
    form = std::make_unique<frmFirst>(world.world(), seams);
    Main(*form);
    calls.clear();
    form->Form_MouseUp(MouseButton::Right);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(c().mnuTray.ItemCaption(0), "E&xit");
    c().mnuTray.Activate(0);
    EXPECT_EQ(calls, std::vector<std::string>{"Exit"});
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
