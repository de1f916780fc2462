// The reader window under the real strip on a real X screen with openbox, the pointer and
// the keyboard driven by xdotool. Run under run-under-x.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "calendar/nanakshahi_date.h"
#include "platform/application.h"
#include "platform/fake/test_application.h"
#include "richtext/load.h"
#include "richtext/utf.h"
#include "platform/window_stacking.h"
#include "reader/first_strip.h"
#include "reader/frm_drop_window.h"
#include "reader/section/section.h"
#include "strip/drop_window_content.h"
#include "strip/module.h"

namespace tarnvel::reader {
namespace {

using platform::Application;

void Shell(const std::string& cmd) { ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd; }

class ReaderOnScreen : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Application::PlatformName(), "xcb");
        strip::StripSeams seams;
        seams.HideAllForms = [this] { strip::HideAllForms(*strip_form); };
        seams.Load_DropWindow = [this] { drop->Load(); };
        seams.DropWindow = [this]() -> strip::ReaderLink* { return drop.get(); };
        strip_form = std::make_unique<strip::frmFirst>(platform::TestApplication().world(), seams);
        strip_side = std::make_unique<FirstStrip>(*strip_form);
        drop = std::make_unique<frmDrop_Window>(platform::TestApplication().world(), *strip_side, *strip_side,
                                                TARNVEL_DOCS_DIR);
        strip::Main(*strip_form);
        ASSERT_TRUE(drop->Loaded());
        ASSERT_FALSE(drop->Visible());
        ASSERT_TRUE(Application::WaitFor([this] { return strip_form->WatchStarted; }, 5000));
        // The hidden reader's watch waits for the reader to be shown.
        ASSERT_FALSE(drop->controls().TmrCheckMouse.Enabled());
        Application::ProcessEvents(300);
    }
    void TearDown() override {
        drop.reset();
        strip_side.reset();
        strip_form.reset();
    }

    // Moves the real pointer to a point in twips of a window's client area (1-pixel frame).
    static void PointAt(platform::Window& w, double x_twips, double y_twips) {
        const platform::TwipsPerPixel f = w.Factors();
        const int x = platform::TwipsToPixels(w.Left() + x_twips, f.x) + 1;
        const int y = platform::TwipsToPixels(w.Top() + y_twips, f.y) + 1;
        Shell("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y));
        Application::ProcessEvents(150);
        // On a busy machine the window manager may not yet have mapped a window where the
        // program placed it; a click then would land on the bare screen.
        if (!Application::WaitFor([] { return std::system(kPointerOverAWindow) == 0; }, 5000)) {
            ADD_FAILURE() << "no window under the pointer at " << x << ", " << y;
            std::system("xdotool getmouselocation --shell >&2; xwininfo -root -tree >&2");
        }
    }
    // True (status 0) when the X server has a window other than the root under the pointer.
    static constexpr const char* kPointerOverAWindow =
        "sh -c 'root=$(printf %d $(xwininfo -root | awk \"/Window id:/{print \\$4}\")); "
        "[ \"$(xdotool getmouselocation --shell | sed -n s/^WINDOW=//p)\" != \"$root\" ]'";
    template <class Control>
    static void ClickOn(platform::Window& w, Control& c, int button = 1, int repeat = 1) {
        PointAt(w, c.Left() + c.Width() / 2, c.Top() + c.Height() / 2);
        Click(button, repeat);
    }
    static void Click(int button = 1, int repeat = 1) {
        Shell("xdotool click --repeat " + std::to_string(repeat) + " --delay 80 " + std::to_string(button));
    }
    static void Screenshot(const std::string& name) {
        if (const char* dir = std::getenv("TARNVEL_E2E_ARTIFACTS"))
            Shell("import -window root '" + std::string(dir) + "/reader-" + name + ".png'");
    }
    void OpenReader() {
        ClickOn(strip_form->window(), strip_form->controls().Label4);
        ASSERT_TRUE(Application::WaitFor([this] { return drop->Visible(); }, 3000));
        ASSERT_TRUE(Application::WaitFor([this] { return drop->WatchStarted; }, 3000));
        Application::ProcessEvents(300);
    }
    // The plain text of a section as tarnvel-doc and LoadFile cut it.
    static std::string Section(const std::string& file, const std::string& marker) {
        const auto doc = richtext::load_file(std::string(TARNVEL_DOCS_DIR) + "/" + file);
        const section::Cut cut = section::cut_section(doc.document.text, richtext::from_utf8(marker));
        return richtext::to_utf8(doc.document.text.substr(static_cast<std::size_t>(cut.start),
                                                          static_cast<std::size_t>(cut.length)));
    }
    std::string Shown() { return richtext::to_utf8(drop->controls().rchParagraph.Text()); }

    std::unique_ptr<strip::frmFirst> strip_form;
    std::unique_ptr<FirstStrip> strip_side;
    std::unique_ptr<frmDrop_Window> drop;
};

TEST_F(ReaderOnScreen, MoreInformationOpensTheReaderUnderTheStripOrAboveIt) {
    platform::Window& s = strip_form->window();
    OpenReader();
    EXPECT_DOUBLE_EQ(drop->window().Top(), s.Top() + s.Height());
    EXPECT_DOUBLE_EQ(drop->window().Left(), s.Left());
    EXPECT_TRUE(strip_form->controls().ImageArrow1.Visible());
    EXPECT_FALSE(strip_form->controls().ImageArrow0.Visible());
    Screenshot("under-strip");

    // Exit closes it and turns the strip's arrow back.
    ClickOn(drop->window(), drop->controls().Label5);
    ASSERT_TRUE(Application::WaitFor([this] { return !drop->Loaded(); }, 3000));
    EXPECT_TRUE(strip_form->controls().ImageArrow0.Visible());
    EXPECT_FALSE(strip_form->controls().ImageArrow1.Visible());
    EXPECT_EQ(strip::DropWindow_Content, strip::DropWindowContent(0));

    // With the strip near the bottom of the 768-pixel screen the reader opens above it.
    s.SetTop((768 - 140) * 15.0);
    Application::ProcessEvents(300);
    OpenReader();
    EXPECT_DOUBLE_EQ(drop->window().Top(), s.Top() - drop->window().Height());
    Screenshot("above-strip");
}

TEST_F(ReaderOnScreen, TheMenuBarShowsSectionsOfTheDocuments) {
    OpenReader();
    frmDrop_Window::Controls& c = drop->controls();
    const std::string month = std::to_string(ModuleNanakshahiDate.NanakshahiMonth);

    ClickOn(drop->window(), c.Label1);  // this month's Baramah
    ASSERT_TRUE(Application::WaitFor([&] { return c.rchParagraph.Visible(); }, 3000));
    EXPECT_EQ(strip::DropWindow_Content, strip::DropWindowContent(std::string("Baramah")));
    EXPECT_EQ(Shown(), Section("One.rtf", "Month" + month));
    EXPECT_FALSE(Shown().empty());
    Application::ProcessEvents(300);
    Screenshot("barahmaha");

    // A right press opens the month popup; the second item is Vaisakh.
    Shell("(sleep 1; xdotool key Down Down Return) >/dev/null 2>&1 &");
    ClickOn(drop->window(), c.Label2, 3);
    ASSERT_TRUE(Application::WaitFor(
        [&] { return strip::DropWindow_Content == strip::DropWindowContent(std::string("Akhaan")); }, 5000));
    EXPECT_EQ(Shown(), Section("One.rtf", "Month_Akhaan2"));

    ClickOn(drop->window(), c.Label3);  // today's history entry
    ASSERT_TRUE(Application::WaitFor(
        [&] { return strip::DropWindow_Content == strip::DropWindowContent(std::string("mnuHistory")); }, 3000));
    static const char* caps[] = {"JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
                                 "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
    const std::string marker =
        caps[std::stoi(ModuleNanakshahiDate.GregorianMonth) - 1] + ModuleNanakshahiDate.GregorianDay;
    EXPECT_EQ(Shown(), Section("Two.rtf", marker));
    Application::ProcessEvents(300);
    Screenshot("history");

    // Hovering a label grows it; the text area takes the focus and clears it.
    PointAt(drop->window(), c.Label2.Left() + c.Label2.Width() / 2, c.Label2.Top() + c.Label2.Height() / 2);
    ASSERT_TRUE(Application::WaitFor([&] { return drop->MouseOnObj_DropWindow == HoverAkhan; }, 3000));
    EXPECT_DOUBLE_EQ(c.Label2.GetFont().size, 11);
    PointAt(drop->window(), 2000, 1500);
    ASSERT_TRUE(Application::WaitFor([&] { return drop->MouseOnObj_DropWindow == HoverNone; }, 3000));
    EXPECT_DOUBLE_EQ(c.Label2.GetFont().size, 10);
}

TEST_F(ReaderOnScreen, WidenMaximiseAndRestore) {
    OpenReader();
    platform::Window& r = drop->window();
    frmDrop_Window::Controls& c = drop->controls();
    const double top = r.Top();

    // Double-clicks on the picture strip, right of the menu-bar labels: wide.
    PointAt(r, 6000, 240);
    Click(1, 2);
    ASSERT_TRUE(Application::WaitFor([&] { return drop->Reader_Wide; }, 3000));
    EXPECT_DOUBLE_EQ(r.Left(), 0);
    EXPECT_DOUBLE_EQ(r.Width(), 1024 * 15.0);
    EXPECT_DOUBLE_EQ(r.Top(), top);
    Application::ProcessEvents(300);
    Screenshot("wide");
    PointAt(r, 6000, 240);
    Click(1, 2);
    ASSERT_TRUE(Application::WaitFor([&] { return !drop->Reader_Wide; }, 3000));
    EXPECT_DOUBLE_EQ(r.Width(), strip_form->window().Width());

    ClickOn(r, c.ImageControl0);  // maximise: above every other window
    ASSERT_TRUE(Application::WaitFor([&] { return drop->Reader_Maximized; }, 3000));
    Application::ProcessEvents(500);
    EXPECT_DOUBLE_EQ(r.Width(), 1024 * 15.0);
    EXPECT_DOUBLE_EQ(r.Height(), 768 * 15.0);
    EXPECT_TRUE(platform::TopMost(r));
    // The window manager is told to keep it above the others.
    Shell("for w in $(xdotool search --onlyvisible --name '.*'); do xprop -id $w _NET_WM_STATE; done "
          "| grep -q _NET_WM_STATE_ABOVE");
    Screenshot("maximised");

    ClickOn(r, c.ImageControl1);  // restore
    ASSERT_TRUE(Application::WaitFor([&] { return !drop->Reader_Maximized; }, 3000));
    Application::ProcessEvents(300);
    EXPECT_FALSE(platform::TopMost(r));
    EXPECT_DOUBLE_EQ(r.Height(), 3150);
    EXPECT_DOUBLE_EQ(r.Top(), strip_form->window().Top() + strip_form->window().Height());
    Screenshot("restored");
}

}  // namespace
}  // namespace tarnvel::reader
