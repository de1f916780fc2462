// The strip's real windows on a real X screen, in this process: the real clock,
// pointer and screen, the pointer moved by xdotool. Run under run-under-x.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "calendar/nanakshahi_date.h"
#include "gurmukhi/gurmukhi.h"
#include "platform/application.h"
#include "platform/fake/test_application.h"
#include "strip/module.h"

namespace tarnvel::strip {
namespace {

using platform::Application;

class StripOnScreen : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Application::PlatformName(), "xcb");
        StripSeams seams;
        seams.HideAllForms = [this] { HideAllForms(*form); };
        form = std::make_unique<frmFirst>(platform::TestApplication().world(), seams);
        Main(*form);
        ASSERT_TRUE(Application::WaitFor([this] { return form->WatchStarted; }, 5000));
        Application::ProcessEvents(300);
    }
    void TearDown() override { form.reset(); }

    // Moves the real pointer to a point in twips of the strip's client area.
    void PointAt(double x_twips, double y_twips) {
        const platform::TwipsPerPixel f = form->window().Factors();
        const int x = platform::TwipsToPixels(form->window().Left() + x_twips, f.x) + 1;
        const int y = platform::TwipsToPixels(form->window().Top() + y_twips, f.y) + 1;
        const std::string cmd = "xdotool mousemove " + std::to_string(x) + " " + std::to_string(y);
        ASSERT_EQ(std::system(cmd.c_str()), 0);
    }
    static void Screenshot(const std::string& name) {
        if (const char* dir = std::getenv("TARNVEL_E2E_ARTIFACTS")) {
            const std::string cmd = "import -window root '" + std::string(dir) + "/" + name + ".png'";
            if (std::system(cmd.c_str()) != 0) ADD_FAILURE() << "no screenshot " << name;
        }
    }

    std::unique_ptr<frmFirst> form;
};

TEST_F(StripOnScreen, HoveringTheDateShowsTheGurmukhiLine) {
    auto& c = form->controls();
    PointAt(10, 1200);  // the background first
    ASSERT_TRUE(Application::WaitFor([&] { return form->MouseOnObj == HoverNone; }, 3000));
    PointAt(c.Label2.Left() + c.Label2.Width() / 2, c.Label2.Top() + c.Label2.Height() / 2);
    ASSERT_TRUE(Application::WaitFor([&] { return form->MouseOnObj == HoverDate; }, 3000));
    EXPECT_EQ(c.Label2.Caption(), gurmukhi::legacy_to_unicode(ModuleNanakshahiDate.NanakshahiDate_Gurmukhi));
    EXPECT_EQ(c.Label2.ToolTip(), ModuleNanakshahiDate.NanakshahiDate_English);
    Application::ProcessEvents(200);
    Screenshot("hover-gurmukhi");

    // Leaving the window undoes a link's hover at the next watch tick.
    PointAt(c.Label3.Left() + 200, c.Label3.Top() + 100);
    ASSERT_TRUE(Application::WaitFor([&] { return form->MouseOnObj == HoverWeb; }, 3000));
    EXPECT_EQ(c.Label3.ForeColor(), ColourSaffron);
    ASSERT_EQ(std::system("xdotool mousemove 5 5"), 0);
    ASSERT_TRUE(Application::WaitFor([&] { return form->MouseOnObj == HoverNone; }, 3000));
    EXPECT_EQ(c.Label3.ForeColor(), ColourDarkBlue);
}

// The date comes from faketime; the expected line from the test's environment.
TEST_F(StripOnScreen, ShowsTheMessageLineOfTheDay) {
    const char* expected = std::getenv("TARNVEL_E2E_EXPECT_LINE");
    if (!expected) GTEST_SKIP() << "run with TARNVEL_E2E_EXPECT_LINE under faketime";
    auto& line = form->controls().Label6;
    EXPECT_TRUE(line.Visible());
    EXPECT_EQ(line.Caption(), expected);
    // Inside the client area, right edge at 7320 twips.
    EXPECT_GE(line.Left(), 0);
    EXPECT_DOUBLE_EQ(line.Left() + line.Width(), 7320);
    Application::ProcessEvents(300);
    Screenshot(std::string("message-") + form->controls().Label1.Caption());
}

}  // namespace
}  // namespace tarnvel::strip
