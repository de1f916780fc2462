#pragma once
// The whole program on the fakes, with the repository's documents: what the user sees of the
// strip, the reader and the icon's tooltip, and both windows' watches ticked in a chosen order.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "calendar/nanakshahi_date.h"
#include "platform/fake/desktop_fakes.h"
#include "platform/fake/fakes.h"
#include "richtext/utf.h"

namespace tarnvel::test {

// The first line of a text, not counting line breaks before it: a section's heading.
inline std::string FirstLine(const std::string& text) {
    const auto b = text.find_first_not_of("\r\n");
    return b == std::string::npos ? "" : text.substr(b, text.find_first_of("\r\n", b) - b);
}

// Which window's watch ticks first, when both run.
enum class First { Strip, Reader };

class ProgramTest : public ::testing::Test {
protected:
    ~ProgramTest() override { prog.reset(); }

    Program& Start(platform::Date today) {
        world.clock.today = today;
        prog = std::make_unique<Program>(
            ProgramWorld{world.world(), settings, registry, program, notify, messages, date_watch, TARNVEL_DOCS_DIR, {}});
        prog->Start();
        return *prog;
    }

    strip::frmFirst& strip() { return prog->strip(); }
    reader::frmDrop_Window& reader() { return prog->reader(); }
    bool StripWatchRuns() { return strip().Loaded() && strip().controls().TmrCheckMouse.Enabled(); }
    bool ReaderWatchRuns() { return reader().Loaded() && reader().controls().TmrCheckMouse.Enabled(); }

    // One turn of each watch that runs, as their timers would call them, in `order`.
    void Tick(First order = First::Strip, int turns = 1) {
        for (int i = 0; i < turns; ++i) {
            const bool strip_runs = StripWatchRuns(), reader_runs = ReaderWatchRuns();
            if (order == First::Reader && reader_runs) reader().TmrCheckMouse_Timer();
            if (strip_runs) strip().TmrCheckMouse_Timer();
            if (order == First::Strip && reader_runs) reader().TmrCheckMouse_Timer();
        }
    }

    // "More Information", then "History".
    void OpenHistory() {
        strip().Label4_MouseUp(platform::MouseButton::Left);
        reader().Label3_MouseUp(platform::MouseButton::Left);
    }
    void HideToTray() { strip().ImageClose_MouseUp(platform::MouseButton::Left); }

    std::string ReaderFirstLine() {
        return reader().Loaded() ? FirstLine(richtext::to_utf8(reader().controls().rchParagraph.Text())) : "";
    }

    // The tooltip a record carries: its 8-bit text up to the NUL.
    static std::string TipOf(const platform::NotifyIconRecord& record) {
        std::string tip;
        for (std::size_t i = 24; i < record.size() && record[i] != 0; ++i) tip += static_cast<char>(record[i]);
        return tip;
    }
    // The tooltips set since the last call, in order.
    std::vector<std::string> Tips() {
        std::vector<std::string> tips;
        for (const auto& call : notify.calls)
            if (call.message == platform::NIM_MODIFY_) tips.push_back(TipOf(call.record));
        notify.calls.clear();
        return tips;
    }

    platform::fake::FakeWorld world;
    platform::fake::FakeSettingsStore settings;
    platform::fake::FakeRegistry registry;
    platform::fake::FakeProgram program;
    platform::fake::FakeNotifyIcon notify;
    platform::fake::FakeWindowMessages messages;
    platform::fake::FakeDateWatch date_watch;
    std::unique_ptr<Program> prog;
};

}  // namespace tarnvel::test
