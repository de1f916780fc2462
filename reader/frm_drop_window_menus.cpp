// The reading menus, the documents and the day roll-over of the reader.
#include <array>

#include "calendar/nanakshahi_date.h"
#include "platform/program.h"
#include "richtext/utf.h"
#include "reader/frm_drop_window.h"
#include "reader/section/section.h"
#include "strip/drop_window_content.h"

namespace tarnvel::reader {

using platform::MouseButton;

namespace {

constexpr std::array<const char*, 12> MonthCaptions{"Chet", "Vaisakh", "Jeth",  "Harh", "Sawan", "Bhadon",
                                                    "Asu",  "Katik",   "Maghar", "Poh", "Magh",  "Phagan"};
constexpr std::array<const char*, 12> GregorianCapitals{"JANUARY", "FEBRUARY", "MARCH",     "APRIL",
                                                        "MAY",     "JUNE",     "JULY",      "AUGUST",
                                                        "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};

CivilDate ToCivil(platform::Date d) { return CivilDate{d.year, d.month, d.day}; }

}  // namespace

void frmDrop_Window::LoadMenu() {
    Controls& c = *controls_;
    // Element m of each array stands for Nanakshahi month m; the design's placeholder
    // element 0 is hidden, so the popups hold the twelve months only.
    for (int m = 1; m <= 12; ++m) {
        c.mnuBaramah.AddItem(MonthCaptions[static_cast<std::size_t>(m - 1)], [this, m] { mnuSub1_Click(m); });
        c.mnuAkhan.AddItem(MonthCaptions[static_cast<std::size_t>(m - 1)], [this, m] { mnuSub2_Click(m); });
    }
    c.mnuAbout.AddItem("&Tarnvel 1.0", [this] { mnuTarnvel_Click(); });
    c.mnuAbout.AddItem("&Orvanta", [this] { mnuOrvanta_Click(); });
    c.mnuAbout.AddItem("Nanakshahi &Calendar", [this] { mnuNanakshahi_Calendar_Click(); });
    c.mnuAbout.AddSeparator();  // mnuAboutSep1
    c.mnuAbout.AddItem("&Help", [this] { mnuHelp_Click(); });
}

void frmDrop_Window::LoadFile(std::string_view file_name, std::string_view Break_name, std::string_view Break_point) {
    if (!Loaded()) return;
    Controls& c = *controls_;
    std::string folder = program_folder_;
    if (folder.empty() || folder.back() != platform::PathSeparator) folder += platform::PathSeparator;
    const std::string path = folder + std::string(file_name) + ".rtf";
    // A missing, unreadable, foreign or oversized file abandons the section silently:
    // the tag already changed, the paragraph keeps what it showed.
    if (!c.rchWholeFile.LoadFile(path)) return;

    const std::string marker = std::string(Break_name) + std::string(Break_point);
    const section::Cut cut = section::cut_section(c.rchWholeFile.Text(), richtext::from_utf8(marker));
    if (!cut.found) {
        // Rather than an arbitrary slice of the document, say which section is missing.
        section::Marker m;
        if (const section::Marker* known = section::find_marker(marker)) {
            m = *known;
        } else {
            m.break_name = std::string(Break_name);
            m.break_point = std::string(Break_point);
            m.file = file_name == "Two" ? section::DocumentFile::Two : section::DocumentFile::One;
        }
        c.rchParagraph.SetPlainText(section::missing_notice(m));
    } else {
        c.rchWholeFile.SetSelStart(cut.start);
        c.rchWholeFile.SetSelLength(cut.length);
        c.rchParagraph.SetSelStart(0);
        c.rchParagraph.SetSelLength(static_cast<std::int64_t>(c.rchParagraph.Text().size()));
        c.rchParagraph.SetContent(c.rchWholeFile.SelDocument());
    }
    c.rchParagraph.SetSelStart(0);
    c.rchParagraph.SetSelLength(0);
    c.rchParagraph.SetVisible(true);
}

void frmDrop_Window::mnuSub1_Click(int m) {
    strip::DropWindow_Content = std::string("Baramah");
    LoadFile("One", "Month", std::to_string(m));
}

void frmDrop_Window::mnuSub2_Click(int m) {
    strip::DropWindow_Content = std::string("Akhaan");
    LoadFile("One", "Month_Akhaan", std::to_string(m));
}

void frmDrop_Window::mnuHistory_Click() {
    strip::DropWindow_Content = std::string("mnuHistory");
    const std::string& month = ModuleNanakshahiDate.GregorianMonth;
    int number = 0;
    for (char ch : month) {
        if (ch < '0' || ch > '9') {
            number = 0;
            break;
        }
        number = number * 10 + (ch - '0');
    }
    // Without a date record there is no day to look up.
    if (number < 1 || number > 12) return;
    LoadFile("Two", GregorianCapitals[static_cast<std::size_t>(number - 1)], ModuleNanakshahiDate.GregorianDay);
}

void frmDrop_Window::mnuHelp_Click() {
    strip::DropWindow_Content = std::string("mnuHelp");
    LoadFile("One", "Help", "0");
}

void frmDrop_Window::mnuNanakshahi_Calendar_Click() {
    strip::DropWindow_Content = std::string("mnuNanakshahi_Calendar");
    LoadFile("One", "Nanakshahi_Calendar", "0");
}

void frmDrop_Window::mnuOrvanta_Click() {
    strip::DropWindow_Content = std::string("mnuOrvanta");
    LoadFile("One", "Orvanta", "0");
}

void frmDrop_Window::mnuTarnvel_Click() {
    strip::DropWindow_Content = std::string("mnuTarnvel");
    LoadFile("One", "Tarnvel", "0");
}

void frmDrop_Window::Label1_MouseDown(MouseButton b) {
    if (!Loaded()) return;
    if (b == MouseButton::Left) mnuSub1_Click(ModuleNanakshahiDate.NanakshahiMonth);
    else if (b == MouseButton::Right) controls_->mnuBaramah.Popup(*window_);
}

void frmDrop_Window::Label2_MouseDown(MouseButton b) {
    if (!Loaded()) return;
    if (b == MouseButton::Left) mnuSub2_Click(ModuleNanakshahiDate.NanakshahiMonth);
    else if (b == MouseButton::Right) controls_->mnuAkhan.Popup(*window_);
}

void frmDrop_Window::Label3_MouseUp(MouseButton b) {
    if (b == MouseButton::Left) mnuHistory_Click();
}

void frmDrop_Window::Label4_MouseDown(MouseButton b) {
    if (b == MouseButton::Left && Loaded()) controls_->mnuAbout.Popup(*window_);
}

void frmDrop_Window::DayRollover_Check() {
    const std::string today =
        platform::FormatDate(world_.clock.Today(), platform::DateForm::DayMonthYear, world_.clock);
    if (today == LoadingDate) return;
    LoadingDate = today;
    Calculate_NanakshahiDate([this] { return ToCivil(world_.clock.Today()); });
    const auto* tag = std::get_if<std::string>(&strip::DropWindow_Content);
    if (!tag) return;
    if (*tag == "mnuHistory")
        Label3_MouseUp(MouseButton::Left);
    else if (*tag == "Baramah")
        mnuSub1_Click(ModuleNanakshahiDate.NanakshahiMonth);
    else if (*tag == "Akhaan")
        mnuSub2_Click(ModuleNanakshahiDate.NanakshahiMonth);
}

}  // namespace tarnvel::reader
