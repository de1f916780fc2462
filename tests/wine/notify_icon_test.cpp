// The notification icon through the real shell (Wine's explorer): added, changed, deleted,
// and added again with its last tooltip when the shell announces a new taskbar.

#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include "desktop/tray_icon_data.h"
#include "platform/win32/services.h"

namespace tarnvel::platform::win32 {
namespace {

class NotifyIconInShell : public ::testing::Test {
protected:
    void SetUp() override {
        hwnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(hwnd, nullptr);
        icon = MakeNotifyIcon();
        record.cbSize = 88;
        record.hWnd = reinterpret_cast<std::uintptr_t>(hwnd);
        record.uCallbackMessage = tarnvel::TrayCallbackMessage;
        record.hIcon = reinterpret_cast<std::uintptr_t>(LoadIconW(nullptr, IDI_APPLICATION));
        record.uFlags = NIF_MESSAGE_ | NIF_ICON_;
    }
    void TearDown() override {
        icon.reset();
        DestroyWindow(hwnd);
    }
    // The shell's own answer for the window's icon, asked past the code under test.
    bool AskShell(DWORD message) const {
        NOTIFYICONDATAA n{};
        n.cbSize = NOTIFYICONDATAA_V1_SIZE;
        n.hWnd = hwnd;
        return ::Shell_NotifyIconA(message, &n) != FALSE;
    }
    // Whether the shell holds the icon: only an icon it holds can be changed.
    bool ShellHasIcon() const { return AskShell(NIM_MODIFY); }
    static void AnnounceTaskbar() {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG, 2000,
                            &ignored);
    }

    HWND hwnd = nullptr;
    std::unique_ptr<NotifyIcon> icon;
    TrayIconRecord record;
};

TEST_F(NotifyIconInShell, ANewTaskbarGetsTheIconAgainUntilItIsDeleted) {
    EXPECT_TRUE(icon->AreaAvailable());
    ASSERT_TRUE(icon->Shell_NotifyIconA(NIM_ADD_, record.Bytes()));
    EXPECT_TRUE(ShellHasIcon());
    record.uFlags = NIF_TIP_;
    record.SetTip("New Year in 98 Days");
    ASSERT_TRUE(icon->Shell_NotifyIconA(NIM_MODIFY_, record.Bytes()));

    AskShell(NIM_DELETE);  // as a shell that restarted has forgotten every icon
    ASSERT_FALSE(ShellHasIcon());
    AnnounceTaskbar();
    EXPECT_TRUE(ShellHasIcon());

    ASSERT_TRUE(icon->Shell_NotifyIconA(NIM_DELETE_, record.Bytes()));
    EXPECT_FALSE(ShellHasIcon());
    AnnounceTaskbar();
    EXPECT_FALSE(ShellHasIcon());
    EXPECT_FALSE(icon->Shell_NotifyIconA(NIM_DELETE_, record.Bytes()));  // the shell's refusal comes back
}

}  // namespace
}  // namespace tarnvel::platform::win32
