// One.rtf and Two.rtf missing, cut short, replaced under the reader, nested a million
// groups deep or too large; and the pointer position failing during a tick or a drag.
// The reader keeps working with what it can read, the strip keeps ticking.
#include "richtext/utf.h"
#include "strip/drop_window_content.h"
#include "app/tests/program_fixture.h"
#include "tests/faults/fault_fixture.h"

namespace tarnvel::test {
namespace {

using platform::MouseButton;
using platform::PixelPoint;

class DocumentFaultTest : public FaultTest {
protected:
    std::string Shown() { return richtext::to_utf8(prog->reader().controls().rchParagraph.Text()); }
    // The first line of what the reader shows; sections begin with their heading.
    std::string Heading() { return FirstLine(Shown()); }
    std::string Tag() {
        const auto* t = std::get_if<std::string>(&strip::DropWindow_Content);
        return t ? *t : "";
    }
    void Tick(int n = 3) {
        for (int i = 0; i < n; ++i) {
            prog->strip().TmrCheckMouse_Timer();
            if (prog->reader().Loaded()) prog->reader().TmrCheckMouse_Timer();
        }
    }
    // One tick of each drag timer that runs: a top-bar drag carries the reader along.
    void DragTick() {
        strip::frmFirst& s = prog->strip();
        reader::frmDrop_Window& r = prog->reader();
        if (s.controls().TimerCalendarMainStripMove.Enabled()) s.TimerCalendarMainStripMove_Timer();
        if (r.controls().TimerCalendarDropDownStripMove.Enabled()) r.TimerCalendarDropDownStripMove_Timer();
    }
    void NextDay() {
        ++world.clock.today.day;
        Tick();
    }
    // Opens the reader from "More Information" on the history entry (Two.rtf) of today.
    // By the time a user clicks, both pointer watches have ticked.
    void OpenHistory() {
        Tick(1);
        prog->strip().Label4_MouseUp(MouseButton::Left);
        prog->reader().Label3_MouseUp(MouseButton::Left);
    }
};

// What the reader shows after the fault: what it read of the damaged file, the entry it
// showed before (the file was refused), or its notice of a missing section.
enum class Shows { NewEntry, OldEntry, Notice };

std::string Nested(std::size_t depth) {
    return "{\\rtf1\\ansi " + std::string(depth, '{') + "APRIL13 deep" + std::string(depth, '}') + "}";
}

// Each fault is made while the reader shows 12 April's history entry; the next day
// change asks for 13 April's. What it cannot read leaves the old entry in place.
TEST_F(DocumentFaultTest, BrokenHistoryDocumentLeavesTheReaderAndStripWorking) {
    const std::string good = ReadFile(docs / "Two.rtf");
    const struct {
        const char* what;
        std::function<void(const fs::path&)> make;
        Shows shows;
    } cases[] = {
        {"missing", [](const fs::path& p) { fs::remove(p); }, Shows::OldEntry},
        {"a folder", [](const fs::path& p) { fs::remove(p), fs::create_directory(p); }, Shows::OldEntry},
        {"cut off after 13 April's entry",
         [&good](const fs::path& p) { WriteFile(p, good.substr(0, good.find("APRIL14") + 3)); }, Shows::NewEntry},
        {"cut off in the middle of a control word",
         [&good](const fs::path& p) { WriteFile(p, good.substr(0, good.size() / 2)); }, Shows::NewEntry},
        // Read as far as the reader's nesting allows; the marker lies deeper than that.
        {"a million nested groups", [](const fs::path& p) { WriteFile(p, Nested(1'000'000)); }, Shows::Notice},
        {"larger than 16 MB",
         [&good](const fs::path& p) {
             std::string big = good.substr(0, good.rfind('}'));
             big += std::string(17u << 20, ' ') + "}";
             WriteFile(p, big);
         },
         Shows::OldEntry},
        {"plain text", [](const fs::path& p) { WriteFile(p, "APRIL13\nnot rich text\nAPRIL13\n"); },
         Shows::OldEntry},
        {"a named pipe, which would wait for a writer", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); },
         Shows::OldEntry},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::error_code ec;
        fs::remove_all(docs / "Two.rtf", ec);
        WriteFile(docs / "Two.rtf", good);
        world.clock.today = {2027, 4, 12};
        Start();
        OpenHistory();
        ASSERT_EQ(Tag(), "mnuHistory");
        const std::string old_entry = Shown();
        ASSERT_EQ(Heading(), "12 April");

        fs::remove_all(docs / "Two.rtf", ec);
        c.make(docs / "Two.rtf");
        NextDay();
        EXPECT_EQ(prog->strip().controls().Label1.Caption(), "13 April 2027");
        EXPECT_EQ(prog->strip().controls().Label6.Caption(), "\"Vaisakhi\" in 1 day");
        EXPECT_TRUE(prog->reader().Visible());
        EXPECT_EQ(Tag(), "mnuHistory");
        switch (c.shows) {
            case Shows::NewEntry: EXPECT_EQ(Heading(), "13 April"); break;
            case Shows::OldEntry: EXPECT_EQ(Shown(), old_entry) << Heading(); break;
            case Shows::Notice:
                EXPECT_EQ(Shown(), "The history entry for 13 April is not in Two.rtf (no \"APRIL13\" marker).");
                break;
        }

        // The other document still reads, and the strip goes on to the next day.
        prog->reader().Label1_MouseDown(MouseButton::Left);
        EXPECT_EQ(Tag(), "Baramah");
        EXPECT_EQ(Heading().rfind("Chet ", 0), 0u) << Heading();
        NextDay();
        EXPECT_EQ(prog->strip().controls().Label6.Caption(), "\"Happy Vaisakhi\"");
        EXPECT_EQ(Heading().rfind("Vaisakh ", 0), 0u) << Heading();
        prog.reset();
    }
}

// Documents missing at the start, back (a reinstall) for the next day change, then replaced
// while shown: the reader shows what it can, and reads a document afresh at its next load only.
TEST_F(DocumentFaultTest, DocumentsThatComeBackOrChangeWhileTheProgramRuns) {
    fs::remove(docs / "One.rtf");
    fs::remove(docs / "Two.rtf");
    Start();
    OpenHistory();
    EXPECT_EQ(Tag(), "mnuHistory");
    EXPECT_EQ(Shown(), "");
    prog->reader().Label1_MouseDown(MouseButton::Left);
    EXPECT_EQ(Tag(), "Baramah");
    for (const char* doc : {"One.rtf", "Two.rtf"}) fs::copy_file(fs::path(TARNVEL_DOCS_DIR) / doc, docs / doc);
    NextDay();
    EXPECT_EQ(Heading().rfind("Chet ", 0), 0u) << Heading();
    EXPECT_EQ(prog->strip().controls().Label1.Caption(), "13 April 2027");

    prog->reader().Label3_MouseUp(MouseButton::Left);
    ASSERT_EQ(Heading(), "13 April");
    WriteFile(docs / "Two.rtf",
             "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}APRIL13\\par\nNew thirteenth\\par\nAPRIL13\\par\n"
             "APRIL14\\par\nNew fourteenth\\par\nAPRIL14\\par\n}");
    Tick();  // the same day: nothing is reloaded
    EXPECT_EQ(Heading(), "13 April");
    prog->reader().Label3_MouseUp(MouseButton::Left);  // asked again: read afresh
    EXPECT_EQ(Heading(), "New thirteenth");
    NextDay();
    EXPECT_EQ(Heading(), "New fourteenth");
    prog->reader().Label3_MouseUp(MouseButton::Left);
    EXPECT_EQ(Heading(), "New fourteenth");
}

TEST_F(DocumentFaultTest, PointerUnreadableDuringATickOrADragMovesNothing) {
    Start();
    strip::frmFirst& s = prog->strip();
    prog->strip().Label4_MouseUp(MouseButton::Left);  // the reader under the strip
    reader::frmDrop_Window& r = prog->reader();
    const auto where = [&] {
        return std::vector<double>{s.window().Left(), s.window().Top(), r.window().Left(), r.window().Top()};
    };
    world.pointer.position = PixelPoint{400, 300};
    Tick();

    // A hover effect stays while nothing can be decided.
    s.PointerMovedOver(strip::HoverWeb);
    r.PointerMovedOver(reader::HoverHistory);
    world.pointer.position.reset();
    Tick();
    EXPECT_EQ(s.MouseOnObj, strip::HoverWeb);
    EXPECT_EQ(r.MouseOnObj_DropWindow, reader::HoverHistory);

    // Drags of both windows: pressed where the pointer was known, then lost, then pressed
    // with no pointer at all.
    const std::vector<double> before = where();
    world.pointer.position = PixelPoint{400, 300};
    s.ImageTopBar_MouseDown(MouseButton::Left);
    world.pointer.position.reset();
    for (int i = 0; i < 5; ++i) DragTick();
    s.ImageTopBar_MouseUp(MouseButton::Left);
    world.pointer.position = PixelPoint{400, 420};
    r.Image_Strip_DropDown_MouseDown(MouseButton::Left);
    world.pointer.position.reset();
    for (int i = 0; i < 5; ++i) DragTick();
    r.Image_Strip_DropDown_MouseUp(MouseButton::Left);
    s.Form_MouseDown(MouseButton::Left);
    for (int i = 0; i < 5; ++i) DragTick();
    s.Form_MouseUp(MouseButton::Left);
    EXPECT_EQ(where(), before);

    // The pointer back: the same drag moves the strip and the reader with it.
    world.pointer.position = PixelPoint{400, 300};
    s.ImageTopBar_MouseDown(MouseButton::Left);
    DragTick();
    world.pointer.position = PixelPoint{420, 310};
    DragTick();
    s.ImageTopBar_MouseUp(MouseButton::Left);
    const std::vector<double> after = where();
    EXPECT_EQ(after[0] - before[0], 20 * 15);
    EXPECT_EQ(after[2] - before[2], 20 * 15);

    // And the day still changes underneath.
    world.pointer.position.reset();
    NextDay();
    EXPECT_EQ(s.controls().Label1.Caption(), "13 April 2027");
}

}  // namespace
}  // namespace tarnvel::test
