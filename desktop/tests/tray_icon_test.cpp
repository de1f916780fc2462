#include <gtest/gtest.h>

#include "desktop/module_tray_icon.h"
#include "platform/fake/desktop_fakes.h"

namespace tarnvel {
namespace {

using platform::fake::FakeNotifyIcon;
using platform::fake::FakeWindowMessages;

constexpr platform::WindowHandle kStrip = 0x1234;
constexpr platform::IconHandle kIcon = 0xA0B0C099;  // all four bytes of the field in use

class FakeStrip final : public TrayHost {
public:
    bool visible = true;
    std::vector<std::string> log;
    std::function<void()> on_popup;  // what choosing in the menu does

    platform::WindowHandle Handle() const override { return kStrip; }
    platform::IconHandle Icon() const override { return kIcon; }
    bool Visible() const override { return visible; }
    void Hide() override {
        visible = false;
        log.push_back("Hide");
    }
    void Show() override {
        visible = true;
        log.push_back("Show");
    }
    void PopupMenu(platform::Menu&) override {
        log.push_back("PopupMenu");
        if (on_popup) on_popup();
    }
    void SetTrayMenuItems(int state) override { log.push_back("SetTrayMenuItems " + std::to_string(state)); }
};

struct Tray : testing::Test {
    FakeNotifyIcon notify;
    FakeWindowMessages messages;
    FakeStrip strip;
    int shown_all = 0;
    platform::Menu* menu = reinterpret_cast<platform::Menu*>(&shown_all);  // never dereferenced by the module

    void SetUp() override {
        ModuleTrayIcon = {};
        ModuleTrayIcon.notify = &notify;
        ModuleTrayIcon.messages = &messages;
        ModuleTrayIcon.ShowAllForms = [this] { ++shown_all; };
        messages.procs[kStrip] = &FakeWindowMessages::DefaultProc;
        AddTrayIcon(strip, *menu);
        SetTrayTip("23 Maghar, Sammat 558 Nanakshahi");
        messages.log.clear();
    }
    platform::LRESULT_ send(std::uint32_t msg, platform::WPARAM_ w, platform::LPARAM_ l) {
        return messages.Send(kStrip, msg, w, l);
    }
};

std::vector<std::uint8_t> head(const platform::NotifyIconRecord& r) { return {r.begin(), r.begin() + 24}; }

TEST_F(Tray, RecordAfterAddTipAndDelete) {
    ASSERT_EQ(notify.calls.size(), 2u);
    EXPECT_EQ(notify.calls[0].message, platform::NIM_ADD_);
    EXPECT_EQ(head(notify.calls[0].record), (std::vector<std::uint8_t>{88, 0, 0, 0, 0x34, 0x12, 0, 0, 0, 0, 0, 0, 3, 0,
                                                                      0, 0, 0xE9, 7, 0, 0, 0x99, 0xC0, 0xB0, 0xA0}));
    EXPECT_EQ(notify.calls[0].record[24], 0) << "added without a tooltip";
    EXPECT_EQ(notify.calls[1].message, platform::NIM_MODIFY_);
    EXPECT_EQ(notify.calls[1].record[12], 4) << "NIF_TIP only";
    const std::string tip(notify.calls[1].record.begin() + 24, notify.calls[1].record.end());
    EXPECT_EQ(tip, std::string("23 Maghar, Sammat 558 Nanakshahi") + '\0' + std::string(31, ' '));

    EXPECT_EQ(send(platform::WM_NCDESTROY_, 0, 0), FakeWindowMessages::DefaultResult);
    ASSERT_EQ(notify.calls.size(), 3u);
    EXPECT_EQ(notify.calls[2].message, platform::NIM_DELETE_);
    EXPECT_EQ(notify.calls[2].record[12], 0);
    EXPECT_EQ(messages.procs[kStrip], &FakeWindowMessages::DefaultProc) << "the previous procedure is back";
    EXPECT_EQ(ModuleTrayIcon.TrayForm, nullptr);
    EXPECT_EQ(ModuleTrayIcon.PrevWndProc, &FakeWindowMessages::DefaultProc) << "kept after the removal";
    EXPECT_EQ(messages.log.back(), "CallWindowProc default 130 0 0");
}

// Each row of the procedure's table: what it does, and whether the message reaches the previous procedure.
TEST_F(Tray, ProcedureTable) {
    struct Row {
        std::uint32_t msg;
        platform::WPARAM_ w;
        platform::LPARAM_ l;
        bool strip_visible;
        std::vector<std::string> strip_log;
        int shown_all;
        bool passed_on;
    } const rows[] = {
        {2025, 0, platform::WM_LBUTTONUP_, true, {}, 1, false},
        {2025, 0, platform::WM_LBUTTONUP_, false, {}, 1, false},
        {2025, 0, 0x0201, true, {}, 0, true},  // button down
        {2025, 0, 0x0203, true, {}, 0, true},  // double click
        {2025, 0, 0x0200, true, {}, 0, true},  // pointer move
        {platform::WM_SYSCOMMAND_, platform::SC_MINIMIZE_, 0, true, {"Hide", "SetTrayMenuItems 1"}, 0, false},
        {platform::WM_SYSCOMMAND_, platform::SC_RESTORE_, 0, false, {"Show", "SetTrayMenuItems 0"}, 0, false},
        {platform::WM_SYSCOMMAND_, platform::SC_RESTORE_, 0, true, {}, 0, true},
        {platform::WM_SYSCOMMAND_, platform::SC_MINIMIZE_ + 2, 0, true, {}, 0, true},  // not masked
        {platform::WM_SYSCOMMAND_, 0xF060, 0, true, {}, 0, true},                     // close
        {0x000F, 0, 0, true, {}, 0, true},                                            // paint
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.msg << " " << r.w << " " << r.l);
        strip.visible = r.strip_visible;
        strip.log.clear();
        shown_all = 0;
        messages.log.clear();
        const auto result = send(r.msg, r.w, r.l);
        EXPECT_EQ(strip.log, r.strip_log);
        EXPECT_EQ(shown_all, r.shown_all);
        EXPECT_EQ(result, r.passed_on ? FakeWindowMessages::DefaultResult : 0);
        EXPECT_EQ(messages.log.size(), r.passed_on ? 1u : 0u);
    }
}

TEST_F(Tray, RightClickDismissedPostsANullMessage) {
    EXPECT_EQ(send(2025, 0, platform::WM_RBUTTONUP_), 0);
    EXPECT_EQ(strip.log, std::vector<std::string>{"PopupMenu"});
    EXPECT_EQ(messages.log, (std::vector<std::string>{"SetForegroundWindow 4660", "PostMessage 4660 0 0 0"}));
}

// "Exit" destroys the strip's window inside the popup: the icon goes, and nothing is posted after.
TEST_F(Tray, RightClickExitPostsNothing) {
    strip.on_popup = [this] { send(platform::WM_NCDESTROY_, 0, 0); };
    EXPECT_EQ(send(2025, 0, platform::WM_RBUTTONUP_), 0);
    EXPECT_EQ(notify.calls.back().message, platform::NIM_DELETE_);
    ASSERT_FALSE(messages.log.empty());
    EXPECT_EQ(messages.log.back(), "CallWindowProc default 130 0 0");
    for (const auto& line : messages.log) EXPECT_EQ(line.find("PostMessage"), std::string::npos) << line;
}

}  // namespace
}  // namespace tarnvel
