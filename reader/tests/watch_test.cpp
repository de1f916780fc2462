#include <functional>

#include "platform/window_stacking.h"
#include "reader/tests/reader_fixture.h"

namespace tarnvel::reader {
namespace {

using platform::MouseButton;
using platform::PixelPoint;

class HoverTest : public ReaderTest {
protected:
    void SetUp() override { Start({2026, 12, 6}); }  // 23 Maghar
    double Size(int code) { return c().MenuLabel(code).GetFont().size; }
    // A pointer well inside the reader's frame.
    PixelPoint Inside() {
        return {platform::TwipsToPixels(w().Left(), 15) + 20, platform::TwipsToPixels(w().Top(), 15) + 20};
    }
};

TEST_F(HoverTest, OneLabelAtATimeGrowsAndCarriesItsTooltip) {
    const struct {
        int code;
        const char* tooltip;
    } steps[] = {
        {HoverBarahmaha, "Maghar"}, {HoverAkhan, "Maghar"}, {HoverHistory, "Maghar 23"},
        {HoverAbout, ""},           {HoverExit, ""},        {HoverNone, nullptr},
    };
    for (const auto& s : steps) {
        form->PointerMovedOver(s.code);
        EXPECT_EQ(form->MouseOnObj_DropWindow, s.code);
        for (int code = HoverBarahmaha; code <= HoverExit; ++code) {
            // Never hovered: the design's 9.75; hovered before: 10.
            const double expected = code == s.code ? 11 : (s.code == HoverNone || code < s.code ? 10 : 9.75);
            EXPECT_DOUBLE_EQ(Size(code), expected) << "hover " << s.code << " label " << code;
        }
        if (s.tooltip) {
            EXPECT_EQ(c().MenuLabel(s.code).ToolTip(), s.tooltip);
        }
    }
}

TEST_F(HoverTest, MovingWithinTheSameControlChangesNothing) {
    form->PointerMovedOver(HoverAkhan);
    c().Label2.SetFontSize(12);  // any change the handler would undo
    form->PointerMovedOver(HoverAkhan);
    EXPECT_DOUBLE_EQ(Size(HoverAkhan), 12);
}

// A loaded document clears the highlight, and so does the text area under the pointer, which
// also takes the focus.
TEST_F(HoverTest, ALoadedDocumentAndTheTextAreaClearTheHighlight) {
    WriteDocument("One", Rtf({"Month9", "x", "Month9"}));
    form->PointerMovedOver(HoverBarahmaha);
    form->Label1_MouseDown(MouseButton::Left);
    EXPECT_EQ(form->MouseOnObj_DropWindow, HoverNone);
    EXPECT_DOUBLE_EQ(Size(HoverBarahmaha), 10);
    ASSERT_TRUE(c().rchParagraph.Visible());
    form->PointerMovedOver(HoverHistory);
    form->rchParagraph_MouseMove();
    EXPECT_EQ(form->MouseOnObj_DropWindow, HoverNone);
    EXPECT_DOUBLE_EQ(Size(HoverHistory), 10);
    EXPECT_TRUE(c().rchParagraph.HasFocus());
}

TEST_F(HoverTest, TheWatchClearsTheHighlightOnceThePointerLeavesFromItsSecondTick) {
    const std::int32_t left = platform::TwipsToPixels(w().Left(), 15);
    const std::int32_t top = platform::TwipsToPixels(w().Top(), 15);
    const std::int32_t right = left + platform::TwipsToPixels(w().Width(), 15);
    const std::int32_t bottom = top + platform::TwipsToPixels(w().Height(), 15);
    const struct {
        std::optional<PixelPoint> p;
        bool cleared;
    } cases[] = {
        {PixelPoint{left + 1, top + 1}, false},
        {PixelPoint{right - 1, bottom - 1}, false},
        {PixelPoint{left, top + 5}, true},  // the leftmost column counts as outside
        {PixelPoint{left + 5, top}, true},  // and so does the top row
        {PixelPoint{right, top + 5}, true},
        {PixelPoint{left + 5, bottom}, true},
        {std::nullopt, false},  // no position: nothing decided
    };
    // The first tick after creation tests nothing, not even a pointer outside.
    form->PointerMovedOver(HoverExit);
    world.pointer.position = PixelPoint{0, 0};
    form->TmrCheckMouse_Timer();
    EXPECT_EQ(form->MouseOnObj_DropWindow, HoverExit);
    for (const auto& k : cases) {
        form->PointerMovedOver(HoverAbout);
        world.pointer.position = k.p;
        form->TmrCheckMouse_Timer();
        EXPECT_EQ(form->MouseOnObj_DropWindow == HoverNone, k.cleared) << (k.p ? k.p->x : -1);
        EXPECT_DOUBLE_EQ(Size(HoverAbout), k.cleared ? 10 : 11);
    }
}

TEST_F(HoverTest, TheHoverCodeSurvivesAReload) {
    form->PointerMovedOver(HoverAkhan);
    form->Unload();
    form->Load();
    EXPECT_EQ(form->MouseOnObj_DropWindow, HoverAkhan);
    EXPECT_DOUBLE_EQ(Size(HoverAkhan), 9.75);
    form->PointerMovedOver(HoverNone);
    EXPECT_DOUBLE_EQ(Size(HoverAkhan), 10);
}

class CloseTest : public ReaderTest {
protected:
    void SetUp() override { Start({2026, 12, 6}); }
};

// Exit's left click and the Esc key alike; the other buttons do nothing.
TEST_F(CloseTest, ExitAndEscapeUnloadTheReaderAndTurnTheStripsArrowBack) {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Exit", [this] { form->Label5_MouseUp(MouseButton::Left); }},
        {"Esc", [this] { EXPECT_TRUE(w().on_key(platform::Key::Escape)); }},
    };
    for (const auto& [what, close] : ways) {
        SCOPED_TRACE(what);
        Start({2026, 12, 6});
        strip.closed_calls = 0;
        form->Show();
        form->Reader_Wide = true;
        strip::DropWindow_Content = std::string("mnuHelp");
        form->Label5_MouseUp(MouseButton::Right);
        form->Label5_MouseUp(MouseButton::Middle);
        EXPECT_TRUE(form->Loaded());
        EXPECT_EQ(strip.closed_calls, 0);

        close();
        EXPECT_FALSE(form->Loaded());
        EXPECT_FALSE(form->Visible());
        EXPECT_FALSE(form->Reader_Wide);
        EXPECT_EQ(strip::DropWindow_Content, strip::DropWindowContent(0));
        EXPECT_EQ(strip.closed_calls, 1);
        // Once unloaded, its handlers and ticks do nothing.
        form->TmrCheckMouse_Timer();
        form->ImageControl_Click();
        form->Image_Strip_DropDown_DblClick();
        EXPECT_FALSE(form->Loaded());
    }
}

TEST_F(CloseTest, AfterExitWhileMaximisedTheNextOpeningIsNormal) {
    world.screen.size = {1280, 1024};
    form->Show();
    form->ImageControl_Click();
    ASSERT_TRUE(platform::TopMost(w()));
    form->mnuExit_Click();
    form->Show();
    EXPECT_FALSE(form->Reader_Maximized);
    EXPECT_FALSE(form->Reader_Wide);
    EXPECT_FALSE(platform::TopMost(w()));
    EXPECT_DOUBLE_EQ(w().Width(), strip.width);
    EXPECT_DOUBLE_EQ(w().Height(), 3150);
    EXPECT_DOUBLE_EQ(w().Top(), strip.top + strip.height);
    EXPECT_TRUE(c().ImageBackground0.Visible());
    EXPECT_FALSE(c().rchParagraph.Visible());
}

}  // namespace
}  // namespace tarnvel::reader
