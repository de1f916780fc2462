// "More Information" and the top-bar drag, against a recorded reader.
#include <algorithm>

#include "strip/reader_link.h"
#include "strip/tests/strip_fixture.h"

namespace tarnvel::strip {
namespace {

using platform::MouseButton;
using platform::PixelPoint;

class RecordedReader final : public ReaderLink {
public:
    bool loaded = false, visible = false, drag_timer = false;
    double left = 0, top = 0, height = 3150;
    std::vector<std::string> calls;

    bool LoadedVisible() override {
        calls.push_back("LoadedVisible");
        if (!loaded) Load();
        return visible;
    }
    void ShowReader() override {
        calls.push_back("Show");
        if (!loaded) Load();
        visible = true;
    }
    double ReaderHeight() const override { return height; }
    void MoveReader(double l, double t) override {
        calls.push_back("Move");
        left = l;
        top = t;
    }
    void ReaderUserMousePosition(std::string_view state) override { calls.push_back(std::string(state)); }
    void SetReaderDragTimer(bool on) override { drag_timer = on; }

private:
    void Load() {
        loaded = true;
        DropWindow_Content = 0;  // the reader's load step
    }
};

class ReaderGestureTest : public StripTest {
protected:
    void SetUp() override {
        world.screen.size = {1280, 1024};  // 15360 twips high
        world.clock.today = {2026, 12, 6};
        StripSeams s = RecordingSeams();
        s.DropWindow = [this] { return &reader; };
        form = std::make_unique<frmFirst>(world.world(), s);
        Main(*form);
    }
    RecordedReader reader;
};

TEST_F(ReaderGestureTest, MoreInformationOpensTheReaderUnderOrOverTheStrip) {
    const double height = w().Height();
    const struct {
        double strip_top;
        double reader_top;
    } cases[] = {
        {1000, 1000 + height},
        {15360 - 3150 - height, 15360 - 3150},  // exactly touching the bottom: below
        {15361 - 3150 - height, 15361 - 3150 - height - 3150},
    };
    for (const auto& k : cases) {
        DropWindow_Content = std::string("mnuHelp");  // a document chosen: placed again
        w().SetTop(k.strip_top);
        form->Label4_MouseUp(MouseButton::Left);
        EXPECT_DOUBLE_EQ(reader.top, k.reader_top) << k.strip_top;
        EXPECT_DOUBLE_EQ(reader.left, w().Left());
        EXPECT_TRUE(reader.visible);
        EXPECT_FALSE(c().ImageArrow0.Visible());
        EXPECT_TRUE(c().ImageArrow1.Visible());
    }
}

TEST_F(ReaderGestureTest, OnlyTheLeftButtonOpensTheReaderWhoseFirstLoadResetsTheContent) {
    for (MouseButton b : {MouseButton::Right, MouseButton::Middle}) form->Label4_MouseUp(b);
    EXPECT_FALSE(reader.visible);
    EXPECT_TRUE(c().ImageArrow0.Visible());
    form->Label4_MouseUp(MouseButton::Left);
    EXPECT_EQ(DropWindow_Content, DropWindowContent(0));
    reader.calls.clear();
    // Loaded now: the content stays 4, and a further release does not move the reader again.
    form->Label4_MouseUp(MouseButton::Left);
    EXPECT_EQ(DropWindow_Content, DropWindowContent(4));
    reader.calls.clear();
    w().SetTop(2000);
    form->Label4_MouseUp(MouseButton::Left);
    EXPECT_TRUE(reader.calls.empty());
}

// The top bar drags the strip, and the reader along only when it is shown; asking whether it
// is shown loads it.
TEST_F(ReaderGestureTest, TheTopBarDragsAVisibleReaderAlongAndLeavesAHiddenOneWhereItIs) {
    for (const bool visible : {true, false}) {
        SCOPED_TRACE(visible ? "visible" : "hidden");
        reader = RecordedReader{};
        reader.loaded = reader.visible = visible;
        form->ImageTopBar_MouseDown(MouseButton::Right);
        EXPECT_TRUE(reader.calls.empty());
        form->ImageTopBar_MouseDown(MouseButton::Left);
        EXPECT_TRUE(reader.loaded);
        EXPECT_TRUE(c().TimerCalendarMainStripMove.Enabled());
        EXPECT_EQ(reader.drag_timer, visible);
        EXPECT_EQ(reader.calls, visible ? (std::vector<std::string>{"LoadedVisible", "Initial"})
                                        : (std::vector<std::string>{"LoadedVisible"}));
        form->ImageTopBar_MouseUp(MouseButton::Left);
        EXPECT_FALSE(c().TimerCalendarMainStripMove.Enabled());
        EXPECT_FALSE(reader.drag_timer);
    }
}

// The keyboard: Tab and Shift+Tab go round the links and the close picture, passing over
// nothing; Enter and Space act as a left click does; a window never tabbed through shows no mark.
std::vector<const char*> Marked(frmFirst::Controls& c) {
    std::vector<const char*> out;
    if (c.Label4.FocusMark()) out.push_back("More Information");
    if (c.Label3.FocusMark()) out.push_back("web");
    if (c.ImageClose.FocusMark()) out.push_back("Close");
    return out;
}

// The stops in their order, and the web link's; the ring's own way round (wrapping, Shift+Tab,
// hidden stops) is the focus ring's, and Enter on "More Information" and Space on the close
// picture are tried on the real screens, X's and Wine's.
TEST_F(ReaderGestureTest, TheKeyboardStopsAreTheLinksAndTheClosePictureInOrder) {
    using platform::Key;
    using V = std::vector<const char*>;
    EXPECT_EQ(Marked(c()), V{});
    // Nothing marked: the keys are not the strip's.
    EXPECT_FALSE(w().on_key(Key::Enter));
    EXPECT_FALSE(w().on_key(Key::Space));
    EXPECT_FALSE(w().on_key(Key::Escape));

    EXPECT_TRUE(w().on_key(Key::BackTab));
    EXPECT_EQ(Marked(c()), V{"Close"});
    EXPECT_TRUE(w().on_key(Key::BackTab));
    EXPECT_EQ(Marked(c()), V{"web"});
    EXPECT_TRUE(w().on_key(Key::Tab));
    EXPECT_TRUE(w().on_key(Key::Tab));
    EXPECT_EQ(Marked(c()), V{"More Information"});
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "HideAllForms"), 0);
    EXPECT_FALSE(reader.visible);  // moving the mark activates nothing
    EXPECT_EQ(world.launcher.attempts, 0);

    w().on_key(Key::Tab);
    EXPECT_EQ(Marked(c()), V{"web"});
    EXPECT_TRUE(w().on_key(Key::Space));
    EXPECT_EQ(world.launcher.started.size() + world.launcher.opened.size(), 1u) << "the web link opened once";
}

TEST_F(ReaderGestureTest, HidingTheStripTakesTheMarkAway) {
    w().on_key(platform::Key::Tab);
    form->Hide();
    form->Show();
    EXPECT_EQ(Marked(c()), std::vector<const char*>{});
    EXPECT_FALSE(w().on_key(platform::Key::Enter));
}

}  // namespace
}  // namespace tarnvel::strip
