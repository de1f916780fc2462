#include <functional>

#include "reader/section/section.h"
#include "reader/tests/reader_fixture.h"

namespace tarnvel::reader {
namespace {

using platform::MouseButton;

TEST_F(ReaderTest, AMissingDocumentBeforeAnySectionLeavesTheParagraphHidden) {
    Start({2026, 12, 6});
    form->mnuSub1_Click(3);
    EXPECT_EQ(strip::DropWindow_Content, strip::DropWindowContent(std::string("Baramah")));
    EXPECT_FALSE(c().rchParagraph.Visible());
}

// A One.rtf and Two.rtf where every section names its marker as "[name|point]", which does not
// contain the marker itself.
class MenuTest : public ReaderTest {
protected:
    void Documents() {
        std::string one = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}", two = one;
        for (const section::Marker& m : section::all_markers()) {
            std::string& doc = m.file == section::DocumentFile::One ? one : two;
            doc += m.text() + "\\par section [" + m.break_name + "|" + m.break_point + "]\\par " + m.text() + "\\par\n";
        }
        WriteDocument("One", one + "}");
        WriteDocument("Two", two + "}");
    }
};

TEST_F(MenuTest, EachItemStoresItsTagAndShowsItsSectionOtherButtonsNothing) {
    Start({2026, 5, 5});
    Documents();
    const struct {
        std::function<void()> click;
        strip::DropWindowContent tag;
        const char* section;
    } items[] = {
        // Other buttons on the labels do nothing: nothing stored, nothing shown.
        {[&] { form->Label1_MouseDown(MouseButton::Middle); }, 4, nullptr},
        {[&] { form->Label2_MouseDown(MouseButton::Middle); }, 4, nullptr},
        {[&] { form->Label3_MouseUp(MouseButton::Right); }, 4, nullptr},
        {[&] { form->Label4_MouseDown(MouseButton::Right); }, 4, nullptr},
        {[&] { form->mnuSub1_Click(3); }, std::string("Baramah"), "[Month|3]"},
        {[&] { form->mnuSub1_Click(1); }, std::string("Baramah"), "[Month|1]"},
        {[&] { form->mnuSub2_Click(12); }, std::string("Akhaan"), "[Month_Akhaan|12]"},
        {[&] { form->mnuHelp_Click(); }, std::string("mnuHelp"), "[Help|0]"},
        {[&] { form->mnuNanakshahi_Calendar_Click(); }, std::string("mnuNanakshahi_Calendar"), "[Nanakshahi_Calendar|0]"},
        {[&] { form->mnuOrvanta_Click(); }, std::string("mnuOrvanta"), "[Orvanta|0]"},
        {[&] { form->mnuTarnvel_Click(); }, std::string("mnuTarnvel"), "[Tarnvel|0]"},
        {[&] { form->mnuHistory_Click(); }, std::string("mnuHistory"), "[MAY|05]"},
        {[&] { form->Label1_MouseDown(MouseButton::Left); }, std::string("Baramah"), "[Month|2]"},  // 5 May: Vaisakh
        {[&] { form->Label2_MouseDown(MouseButton::Left); }, std::string("Akhaan"), "[Month_Akhaan|2]"},
        {[&] { form->Label3_MouseUp(MouseButton::Left); }, std::string("mnuHistory"), "[MAY|05]"},
    };
    for (const auto& item : items) {
        strip::DropWindow_Content = 4;
        item.click();
        EXPECT_EQ(strip::DropWindow_Content, item.tag) << (item.section ? item.section : "another button");
        if (item.section)
            EXPECT_EQ(Shown(), std::string("section ") + item.section + "\r\n") << item.section;
        else
            EXPECT_FALSE(c().rchParagraph.Visible());
    }
}

TEST_F(MenuTest, ThePopupsHoldTheMonthsAndTheAboutPages) {
    Start({2026, 5, 5});
    const char* months[] = {"Chet", "Vaisakh", "Jeth", "Harh", "Sawan", "Bhadon",
                            "Asu",  "Katik",   "Maghar", "Poh", "Magh",  "Phagan"};
    for (platform::Menu* menu : {&c().mnuBaramah, &c().mnuAkhan}) {
        ASSERT_EQ(menu->ItemCount(), 12);  // no placeholder
        for (int i = 0; i < 12; ++i) EXPECT_EQ(menu->ItemCaption(i), months[i]);
    }
    ASSERT_EQ(c().mnuAbout.ItemCount(), 4);
    EXPECT_EQ(c().mnuAbout.ItemCaption(0), "&Tarnvel 1.0");
    EXPECT_EQ(c().mnuAbout.ItemCaption(3), "&Help");
    Documents();
    c().mnuAkhan.Activate(6);  // element 7: Asu
    EXPECT_EQ(Shown(), "section [Month_Akhaan|7]\r\n");
    c().mnuAbout.Activate(2);
    EXPECT_EQ(Shown(), "section [Nanakshahi_Calendar|0]\r\n");
    // A reload builds the items afresh rather than adding to old ones.
    form->Unload();
    form->Load();
    EXPECT_EQ(c().mnuBaramah.ItemCount(), 12);
}

class RolloverTest : public MenuTest {
protected:
    void Tick() { form->TmrCheckMouse_Timer(); }
};

TEST_F(RolloverTest, DateDependentSectionsFollowTheNewDay) {
    const struct {
        std::function<void(frmDrop_Window&)> choose;
        platform::Date next_day;
        const char* shown_after;
    } cases[] = {
        {[](frmDrop_Window& f) { f.mnuSub1_Click(3); }, {2026, 5, 6}, "section [Month|2]\r\n"},  // month chosen: back to this one
        {[](frmDrop_Window& f) { f.mnuSub2_Click(9); }, {2026, 5, 15}, "section [Month_Akhaan|3]\r\n"},  // Jeth began
        {[](frmDrop_Window& f) { f.mnuHistory_Click(); }, {2026, 5, 6}, "section [MAY|06]\r\n"},
        {[](frmDrop_Window& f) { f.mnuHelp_Click(); }, {2026, 5, 6}, "section [Help|0]\r\n"},  // not date-dependent
    };
    for (const auto& k : cases) {
        Start({2026, 5, 5});
        Documents();
        Tick();  // the first tick: the day as created
        k.choose(*form);
        world.clock.today = k.next_day;
        Tick();
        EXPECT_EQ(Shown(), k.shown_after);
        Tick();  // the same day again: nothing reloads
        EXPECT_EQ(Shown(), k.shown_after);
    }
}

// Hidden, nothing stays hovered; shown again, nothing reloads. (The watch's rest while hidden
// and the day caught up on showing are the hidden calendar's tests'.)
TEST_F(RolloverTest, HidingClearsTheHoverAndShowingAgainReloadsNothing) {
    Start({2026, 5, 5});
    Documents();
    form->Show();
    form->PointerMovedOver(HoverAbout);
    form->Hide();
    EXPECT_EQ(form->MouseOnObj_DropWindow, HoverNone);
    EXPECT_DOUBLE_EQ(c().Label4.GetFont().size, 10);
    form->Show();
    form->mnuHelp_Click();
    form->Show();
    EXPECT_EQ(Shown(), "section [Help|0]\r\n");
}

// The keyboard: Tab goes along the menu bar, then to the maximise picture; Enter and Space
// act as a left click; Esc does what Exit does.
TEST_F(MenuTest, TheKeyboardWalksTheMenuBar) {
    using platform::Key;
    Start({2026, 5, 5});
    Documents();
    form->Show();
    const auto marked = [&] {
        std::string out;
        for (int code = HoverBarahmaha; code <= HoverExit; ++code)
            if (c().MenuLabel(code).FocusMark()) out += c().MenuLabel(code).Caption();
        if (c().ImageControl0.FocusMark() && c().ImageControl0.Visible()) out += "Maximize";
        if (c().ImageControl1.FocusMark() && c().ImageControl1.Visible()) out += "Restore";
        return out;
    };
    EXPECT_EQ(marked(), "");
    EXPECT_FALSE(w().on_key(Key::Enter));

    const struct {
        Key activate;
        const char* label;
        const char* section;
    } labels[] = {
        {Key::Enter, "Barahmaha", "[Month|2]"},
        {Key::Space, "Akhan", "[Month_Akhaan|2]"},
        {Key::Enter, "History", "[MAY|05]"},
    };
    for (const auto& l : labels) {
        ASSERT_TRUE(w().on_key(Key::Tab));
        EXPECT_EQ(marked(), l.label);
        ASSERT_TRUE(w().on_key(l.activate));
        EXPECT_EQ(Shown(), std::string("section ") + l.section + "\r\n") << l.label;
    }
    // Past About (its menu would open) and Exit to the picture; it changes and keeps the mark.
    w().on_key(Key::Tab);
    EXPECT_EQ(marked(), "About");
    w().on_key(Key::Tab);
    EXPECT_EQ(marked(), "Exit");
    w().on_key(Key::Tab);
    EXPECT_EQ(marked(), "Maximize");
    EXPECT_TRUE(w().on_key(Key::Space));
    EXPECT_TRUE(form->Reader_Maximized);
    EXPECT_EQ(marked(), "Restore");
    w().on_key(Key::Tab);
    EXPECT_EQ(marked(), "Barahmaha");
    w().on_key(Key::BackTab);
    w().on_key(Key::BackTab);
    EXPECT_EQ(marked(), "Exit");
}

}  // namespace
}  // namespace tarnvel::reader
