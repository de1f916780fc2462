#include <set>

#include "calendar/event_finder.h"
#include "gurmukhi/gurmukhi.h"
#include "strip/gurmukhi_face.h"
#include "strip/tests/strip_fixture.h"

namespace tarnvel::strip {
namespace {


// The load step reads the settings before it asks whether to start at log-on, and the stored
// answer decides the Run entry; the strip stays hidden, and its resize step waits for the show.
TEST_F(StripTest, LoadFollowsTheStoredLogOnSettingAndShowRaisesTheResizeStep) {
    for (const bool wanted : {true, false}) {
        calls.clear();
        run_at_startup = wanted;
        Make({2026, 12, 6});
        form->Load();
        EXPECT_EQ(calls, (std::vector<std::string>{
                             "LoadSettings",
                             "RunAtStartup",
                             wanted ? "UpdateRegistry on" : "UpdateRegistry off",
                             "AddTrayIcon Popup",
                             "SetTrayTip 23 Maghar, Sammat 558 Nanakshahi",
                             "Load_DropWindow",
                         }));
    }
    EXPECT_EQ(ModuleEventFinder.DaysToEvent, -1);
    EXPECT_EQ(std::get<int>(DropWindow_Content), 0);
    EXPECT_EQ(registry_exe, platform::Application::ProgramName());
    EXPECT_FALSE(registry_path.empty());
    EXPECT_FALSE(form->Visible());

    // Before the first show no resize step ran: ImageClose is still at its design place.
    EXPECT_DOUBLE_EQ(c().ImageClose.Left(), 7170);
    form->Show();
    EXPECT_TRUE(form->Visible());
    EXPECT_DOUBLE_EQ(c().ImageClose.Left(), 7140);
    EXPECT_DOUBLE_EQ(c().ImageClose.Top(), 90);
}

TEST_F(StripTest, ResizeStepClearsEventFoundBeforeItsSearch) {
    ModuleEventFinder.EventFound = true;  // left from a search on an earlier day
    Start({2027, 4, 20});
    // A flag kept set would take a countdown off; cleared, the search finds nothing.
    EXPECT_FALSE(ModuleEventFinder.EventFound);
    EXPECT_NE(c().Label6.Caption(), "____");
}

TEST_F(StripTest, InitialMoveCentresOnTheScreen) {
    const struct {
        platform::PixelSize screen;
        double factor;
        double left, top;
    } cases[] = {
        {{1024, 768}, 15, 3930, 3915},
        {{1920, 1080}, 15, 10650, 6255},
        {{1280, 1024}, 12, 3930, 4299},  // 120 DPI
        {{400, 200}, 15, -750, -345},    // narrower and lower than the window: not clamped
    };
    Start({2026, 12, 6});
    for (const auto& k : cases) {
        world.screen.size = k.screen;
        world.screen.factors = {k.factor, k.factor};
        form->Initial_Move("Initial");
        EXPECT_DOUBLE_EQ(w().Left(), k.left) << k.screen.width;
        EXPECT_DOUBLE_EQ(w().Top(), k.top) << k.screen.width;
    }
}

TEST_F(StripTest, InitialMoveActsOnlyOnInitialInAnyCase) {
    Start({2026, 12, 6});
    form->MouseOn(HoverDate);
    world.screen.size = {1920, 1080};
    form->Initial_Move("Drag");
    form->Initial_Move("Initial ");
    EXPECT_DOUBLE_EQ(w().Left(), 3930);
    EXPECT_NE(c().Label2.Caption(), ModuleNanakshahiDate.NanakshahiDate_English);
    form->Initial_Move("INITIAL");
    EXPECT_DOUBLE_EQ(w().Left(), 10650);
    EXPECT_EQ(c().Label2.Caption(), ModuleNanakshahiDate.NanakshahiDate_English);
}

TEST_F(StripTest, Label2KeepsItsCentreAsTextAndFontChange) {
    // The longest English dates: Arial 13 bold is wider than the design box.
    Start({2026, 12, 5});  // 22 Maghar
    ASSERT_EQ(c().Label2.Caption(), "22 Maghar, Sammat 558 Nanakshahi");
    auto centre = [this] { return c().Label2.Left() + c().Label2.Width() / 2; };
    EXPECT_DOUBLE_EQ(centre(), 3742.5);
    EXPECT_GT(c().Label2.Left(), 0);
    EXPECT_LT(c().Label2.Left() + c().Label2.Width(), 7470);
    form->MouseOn(HoverDate);
    EXPECT_DOUBLE_EQ(centre(), 3742.5);
    form->MouseOn(HoverClose);
    EXPECT_DOUBLE_EQ(centre(), 3742.5);
}

TEST_F(StripTest, ShowingAHiddenStripAgainIsNoResize) {
    Start({2027, 3, 14});
    c().Label6.SetCaption("changed since");
    form->Hide();
    form->Show();
    EXPECT_EQ(c().Label6.Caption(), "changed since");
}

TEST_F(StripTest, UnloadKeepsWindowLevelValuesAndLoadResetsTheHoverCode) {
    Start({2026, 12, 6});
    form->PointerMovedOver(HoverWeb);
    form->DragLastX = 42;
    Tick();
    form->Unload();
    EXPECT_FALSE(form->Loaded());
    EXPECT_EQ(form->MouseOnObj, HoverWeb);
    EXPECT_FLOAT_EQ(form->DragLastX, 42);
    EXPECT_TRUE(form->WatchStarted);
    form->TmrCheckMouse_Timer();  // an unloaded window ignores stray calls
    form->MouseOn(HoverDate);
    form->Load();
    EXPECT_EQ(form->MouseOnObj, HoverNone);
    EXPECT_EQ(c().Label3.ForeColor(), ColourDarkBlue);
}

TEST(GurmukhiFace, ShowsGurmukhiNeverTheKeyboardLetters) {
    platform::fake::FakeFonts fonts;
    const std::string legacy = "22 m`Gr, sMmq 558 nwnkSwhI";
    const struct {
        std::set<std::string> installed;
        const char* font;
        bool converted;
    } cases[] = {
        {{"GurbaniLipi", "Noto Sans Gurmukhi"}, "GurbaniLipi", false},
        {{"Noto Sans Gurmukhi", "Lohit Gurmukhi"}, "Noto Sans Gurmukhi", true},
        {{"Lohit Gurmukhi"}, "Lohit Gurmukhi", true},
        {{"Lohit Gurmukhi", "Nirmala UI"}, "Lohit Gurmukhi", true},
        // A Windows desktop: the font it ships, the newer one first.
        {{"Arial", "Raavi", "Nirmala UI"}, "Nirmala UI", true},
        {{"Raavi"}, "Raavi", true},
        {{}, "Noto Sans Gurmukhi", true},
    };
    for (const auto& k : cases) {
        fonts.installed = k.installed;
        const GurmukhiFace face = ChooseGurmukhiFace(fonts, legacy);
        EXPECT_EQ(face.font_name, k.font);
        if (!k.converted) {
            EXPECT_EQ(face.text, legacy);
            continue;
        }
        EXPECT_EQ(face.text, gurmukhi::legacy_to_unicode(legacy));
        for (char ch : face.text) EXPECT_FALSE((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z')) << face.text;
        EXPECT_NE(face.text, legacy);
    }
}

}  // namespace
}  // namespace tarnvel::strip
