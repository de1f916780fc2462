#include <gtest/gtest.h>

#include "platform/fake/fakes.h"

namespace tarnvel::platform::fake {
namespace {

TEST(FakeWorld, ClockAnswersTheSetDateAndFormatsIt) {
    FakeClock c;
    c.today = {2027, 3, 4};
    EXPECT_EQ(FormatDate(c.Today(), DateForm::DayMonthNameYear, c), "04 March 2027");
    EXPECT_EQ(FormatDate(c.Today(), DateForm::DayMonthYear, c), "04 03 2027");
    EXPECT_EQ(FormatDate(c.Today(), DateForm::DayMonthYearDash, c), "04-03-2027");
    EXPECT_EQ(c.reads, 3);
    c.month_names[2] = "Mars";
    EXPECT_EQ(FormatDate({999, 3, 14}, DateForm::DayMonthNameYear, c), "14 Mars 0999");
    EXPECT_EQ(c.LongMonthName(0), "");
    EXPECT_EQ(c.LongMonthName(13), "");
}

TEST(FakeWorld, PointerCountsReadsAndCanFail) {
    FakePointer p;
    p.position = PixelPoint{3, 4};
    EXPECT_EQ(p.Position(), (PixelPoint{3, 4}));
    p.position.reset();
    EXPECT_FALSE(p.Position());
    EXPECT_EQ(p.reads, 2);
}

TEST(FakeWorld, LauncherStartsOnlyExistingProgramsAndRecordsThem) {
    FakeLauncher l;
    EXPECT_FALSE(l.StartProgram("/missing", "x", WindowStyle::Normal));
    l.existing_programs.insert("/bin/browser");
    EXPECT_TRUE(l.StartProgram("/bin/browser", "a b", WindowStyle::MaximizedFocus));
    ASSERT_EQ(l.started.size(), 1u);
    EXPECT_EQ(l.started[0].argument, "a b");
    EXPECT_EQ(l.started[0].style, WindowStyle::MaximizedFocus);
    l.browser_available = false;
    EXPECT_FALSE(l.OpenUrl("https://x"));
    EXPECT_TRUE(l.opened.empty());
    EXPECT_EQ(l.attempts, 3);
}

TEST(FakeWorld, FontsAndMessageDialoges) {
    FakeFonts f;
    EXPECT_TRUE(f.Installed("Arial"));
    EXPECT_FALSE(f.Installed("GurbaniLipi"));
    FakeMessageDialog m;
    EXPECT_TRUE(m.Show("text", "title"));
    ASSERT_EQ(m.shown.size(), 1u);
    EXPECT_EQ(m.shown[0].title, "title");
}

}  // namespace
}  // namespace tarnvel::platform::fake
