#include <chrono>

#include "platform/window_stacking.h"
#include "reader/tests/reader_fixture.h"

namespace tarnvel::reader {
namespace {

using platform::MouseButton;
using platform::PixelPoint;

// The reader hangs under wherever the strip is, as wide as it; its pictures and text area
// follow the width.
TEST_F(ReaderTest, AFreshLoadHangsHiddenUnderTheStrip) {
    strip.left = 1200;
    strip.top = 600;
    strip.width = 6000;
    strip.height = 1500;
    Start({2026, 12, 6});
    EXPECT_FALSE(form->Visible());
    EXPECT_DOUBLE_EQ(w().Left(), 1200);
    EXPECT_DOUBLE_EQ(w().Top(), 600 + 1500);
    EXPECT_DOUBLE_EQ(w().Width(), 6000);
    EXPECT_DOUBLE_EQ(w().Height(), 3150);
    EXPECT_EQ(strip::DropWindow_Content, strip::DropWindowContent(0));
    EXPECT_FALSE(form->Reader_Wide);
    EXPECT_FALSE(form->Reader_Maximized);
    // Maximise and restore pictures sit at the right edge, two of their widths in.
    EXPECT_DOUBLE_EQ(c().ImageControl0.Left(), 6000 - 360);
    EXPECT_DOUBLE_EQ(c().ImageControl1.Left(), 6000 - 270);
    EXPECT_TRUE(c().ImageControl0.Visible());
    EXPECT_FALSE(c().ImageControl1.Visible());
    EXPECT_FALSE(c().rchParagraph.Visible());
    EXPECT_DOUBLE_EQ(c().rchParagraph.Width(), 6000);
    EXPECT_DOUBLE_EQ(c().rchParagraph.Height(), 2445);
    // The pointer watch waits for the window to be shown.
    EXPECT_FALSE(c().TmrCheckMouse.Enabled());
}

TEST_F(ReaderTest, TheLogoAndQuotationAreCentred) {
    Start({2026, 12, 6});
    // 7500 x 3150 with the design-size logo: Left 2625, Top 1575 - 570 = 1005.
    EXPECT_DOUBLE_EQ(c().ImageLogo.Left(), 2625);
    EXPECT_DOUBLE_EQ(c().ImageLogo.Top(), 1005);
    EXPECT_NEAR(c().Label6.Left() + c().Label6.Width() / 2, 3750, 0.01);
    EXPECT_NEAR(c().Label6.Top(), 1575 - c().Label6.Height() + 855, 0.01);
}

class ToggleTest : public ReaderTest {
protected:
    void SetUp() override {
        world.screen.size = {1280, 1024};  // 19200 x 15360 twips
        Start({2026, 12, 6});
    }
};

// Each way the reader changes size, from a fresh load under the strip (3930, 5760) on a screen
// of 19200 x 15360 twips: the window and its stacking, the text area (as wide, and the picture
// strip's 480 less high), the maximise or restore picture at the right edge, the backgrounds.
TEST_F(ToggleTest, WidenNarrowMaximiseAndRestore) {
    enum Act { DoubleClick, Picture };
    const struct {
        const char* what;
        std::vector<Act> acts;
        bool wide, maximised, backgrounds;
        double left, top, width, height;
    } cases[] = {
        {"widened", {DoubleClick}, true, false, true, 0, 5760, 19200, 3150},
        {"narrowed again", {DoubleClick, DoubleClick}, false, false, true, 3930, 5760, 7500, 3150},
        {"maximised above the others", {Picture}, true, true, false, 0, 0, 19200, 15360},
        {"restored", {Picture, Picture}, false, false, true, 3930, 5760, 7500, 3150},
        {"narrowed while maximised: top, height and stacking stay", {Picture, DoubleClick}, false, true, false, 3930,
         0, 7500, 15360},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        Start({2026, 12, 6});
        for (Act a : k.acts) a == DoubleClick ? form->Image_Strip_DropDown_DblClick() : form->ImageControl_Click();
        EXPECT_EQ(form->Reader_Wide, k.wide);
        EXPECT_EQ(form->Reader_Maximized, k.maximised);
        EXPECT_EQ(platform::TopMost(w()), k.maximised);
        EXPECT_DOUBLE_EQ(w().Left(), k.left);
        EXPECT_DOUBLE_EQ(w().Top(), k.top);
        EXPECT_DOUBLE_EQ(w().Width(), k.width);
        EXPECT_DOUBLE_EQ(w().Height(), k.height);
        EXPECT_DOUBLE_EQ(c().rchParagraph.Width(), k.width);
        EXPECT_DOUBLE_EQ(c().rchParagraph.Height(), k.height - 480);
        EXPECT_DOUBLE_EQ(c().ImageControl0.Left(), k.width - 360);
        EXPECT_EQ(c().ImageControl0.Visible(), !k.maximised);
        EXPECT_EQ(c().ImageControl1.Visible(), k.maximised);
        EXPECT_EQ(c().ImageBackground0.Visible(), k.backgrounds);
        EXPECT_EQ(c().ImageBackground1.Visible(), k.backgrounds);
        // The second pictures span the screen from the first change on; nothing narrows them again.
        EXPECT_DOUBLE_EQ(c().Image_Strip_DropDown1.Width(), 19200 - 7500);
        EXPECT_DOUBLE_EQ(c().ImageBackground1.Width(), 19200 - 7440);
        EXPECT_TRUE(c().Image_Strip_DropDown1.Stretch());
        EXPECT_TRUE(c().ImageBackground1.Stretch());
    }
}

TEST_F(ToggleTest, ScreensWiderThan2184PixelsWidenLikeAnyOther) {
    for (int px : {2184, 2185, 2560, 3840, 7680}) {
        world.screen.size = {px, 1440};
        form->Reader_Wide = false;
        form->Image_Strip_DropDown_DblClick();
        EXPECT_DOUBLE_EQ(c().rchParagraph.Width(), px * 15.0) << px;
        form->ImageControl_Click();
        EXPECT_DOUBLE_EQ(c().rchParagraph.Width(), px * 15.0) << px;
        EXPECT_DOUBLE_EQ(w().Width(), px * 15.0) << px;
        form->ImageControl_Click();
    }
}

TEST_F(ToggleTest, RestorePlacesTheReaderAboveAStripNearTheBottom) {
    // The screen is 15360 twips high; the strip is 1845 high.
    const struct {
        double strip_top;
        double reader_top;
    } cases[] = {
        {10365, 12210},          // 12210 + 3150 = 15360: exactly touching stays below
        {10366, 10366 - 3150},   // one twip lower passes the edge: above the strip
        {14000, 14000 - 3150},
    };
    for (const auto& k : cases) {
        strip.top = k.strip_top;
        form->ImageControl_Click();
        form->ImageControl_Click();
        EXPECT_DOUBLE_EQ(w().Top(), k.reader_top) << k.strip_top;
    }
}

TEST_F(ToggleTest, TwoQuickPressesOnTheStripAreADoubleClick) {
    using namespace std::chrono;
    steady_clock::time_point t{seconds(100)};
    form->now = [&t] { return t; };
    const struct {
        milliseconds gap;
        bool wide_after;
    } presses[] = {
        {milliseconds(0), false},    // first press
        {milliseconds(300), true},   // second within the time: toggles
        {milliseconds(200), true},   // a third starts a new pair
        {milliseconds(900), true},   // too late to pair with it
        {milliseconds(100), false},  // pairs with the previous: toggles back
    };
    for (const auto& p : presses) {
        t += p.gap;
        form->Image_Strip_DropDown_MouseDown(MouseButton::Left);
        form->Image_Strip_DropDown_MouseUp(MouseButton::Left);
        EXPECT_EQ(form->Reader_Wide, p.wide_after) << p.gap.count();
    }
    t += seconds(5);
    form->Image_Strip_DropDown_MouseDown(MouseButton::Right);
    t += milliseconds(10);
    form->Image_Strip_DropDown_MouseDown(MouseButton::Right);
    EXPECT_FALSE(form->Reader_Wide);
}

class ReaderDragTest : public ReaderTest {
protected:
    void SetUp() override { Start({2026, 12, 6}); }
    void DragTick(std::optional<PixelPoint> p) {
        world.pointer.position = p;
        form->TimerCalendarDropDownStripMove_Timer();
    }
};

// The arithmetic is the strip's drag test's; here the reader's timer, and a new press that
// starts afresh: no jump by the distance since the last drag.
TEST_F(ReaderDragTest, TheReaderFollowsThePointerFromTheSecondTickOfEachPress) {
    std::chrono::steady_clock::time_point t{std::chrono::seconds(100)};
    form->now = [&t] { return t; };  // the presses too far apart to be a double-click
    for (const PixelPoint p : {PixelPoint{300, 300}, PixelPoint{700, 100}}) {
        const double left = w().Left(), top = w().Top();
        t += std::chrono::seconds(5);
        form->Image_Strip_DropDown_MouseDown(MouseButton::Left);
        EXPECT_TRUE(c().TimerCalendarDropDownStripMove.Enabled());
        DragTick(p);
        EXPECT_DOUBLE_EQ(w().Left(), left) << p.x;
        EXPECT_DOUBLE_EQ(w().Top(), top) << p.x;
        DragTick(PixelPoint{p.x + 10, p.y - 10});
        DragTick(std::nullopt);  // no position: no move
        EXPECT_DOUBLE_EQ(w().Left(), left + 150) << p.x;
        EXPECT_DOUBLE_EQ(w().Top(), top - 150) << p.x;
        form->Image_Strip_DropDown_MouseUp(MouseButton::Left);
        EXPECT_FALSE(c().TimerCalendarDropDownStripMove.Enabled());
    }
}

}  // namespace
}  // namespace tarnvel::reader
