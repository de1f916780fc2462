// The reader that the strip's load step loads hidden is made only once the strip has been
// painted, so the start does not wait for it; until then every use of the reader finds it as
// if it had been made at the load step.
#include "app/tests/program_fixture.h"
#include "platform/application.h"
#include "strip/drop_window_content.h"

#include <functional>
#include <variant>

namespace tarnvel::test {
namespace {

class ReaderAfterPaint : public ProgramTest {
protected:
    static int Content() {
        const int* code = std::get_if<int>(&strip::DropWindow_Content);
        return code ? *code : -1;
    }
};

TEST_F(ReaderAfterPaint, TheHiddenReaderIsMadeOnTheTurnAfterTheStripsFirstPaint) {
    Start({2027, 3, 13});
    EXPECT_TRUE(strip().Visible());
    EXPECT_FALSE(reader().Loaded()) << "made before the strip was painted";
    ASSERT_TRUE(platform::Application::WaitFor([this] { return reader().Loaded(); }, 2000));
    EXPECT_FALSE(reader().Visible());
    EXPECT_FALSE(ReaderWatchRuns());
    EXPECT_EQ(Content(), 0);
    // Under the strip, as the load step places it.
    EXPECT_EQ(reader().window().Top(), strip().window().Top() + strip().window().Height());
}

TEST_F(ReaderAfterPaint, BeforeThePaintTheReaderIsThereForEveryoneWhoAsks) {
    struct Case {
        const char* what;
        std::function<void()> before_paint;
        bool reader_shown;
        int content;
    };
    const Case cases[] = {
        {"put away and brought back by the icon: the hidden reader comes back with the strip",
         [this] {
             HideToTray();
             prog->ClickIcon();
         },
         true, 0},
        {"More Information: the reader opens at once, marked as opened from the link",
         [this] { strip().Label4_MouseUp(platform::MouseButton::Left); }, true, 4},
        {"the exit: nothing is made afterwards", [this] { prog->Exit(); }, false, 0},
    };
    for (const Case& c : cases) {
        Start({2027, 3, 13});
        ASSERT_FALSE(reader().Loaded()) << c.what;
        c.before_paint();
        EXPECT_EQ(reader().Visible(), c.reader_shown) << c.what;
        EXPECT_EQ(Content(), c.content) << c.what;
        // The strip's paint comes later, and changes none of it.
        platform::Application::ProcessEvents(300);
        EXPECT_EQ(reader().Visible(), c.reader_shown) << c.what;
        EXPECT_EQ(reader().Loaded(), c.reader_shown) << c.what;
        EXPECT_EQ(Content(), c.content) << c.what;
        prog.reset();
    }
}

TEST_F(ReaderAfterPaint, AMidnightBeforeTheReaderIsMadeReachesItsDate) {
    Start({2027, 3, 13});
    world.clock.today = {2027, 3, 14};
    Tick();
    ASSERT_FALSE(reader().Loaded());
    strip().Label4_MouseUp(platform::MouseButton::Left);
    reader().Label3_MouseUp(platform::MouseButton::Left);
    EXPECT_EQ(ReaderFirstLine(), "14 March");
}

}  // namespace
}  // namespace tarnvel::test
