// Subclassing real windows: a procedure installed through the platform receives posted
// messages, and passing them on reaches the window's own procedure.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/services.h"

namespace tarnvel::platform::win32 {
namespace {

constexpr UINT kOwnMessage = WM_APP + 7;
constexpr LRESULT kOwnAnswer = 1234;

LRESULT CALLBACK ClassProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kOwnMessage) return kOwnAnswer;
    return DefWindowProcW(h, msg, wp, lp);
}

std::vector<LPARAM_> seen;  // the tray callbacks' mouse messages
WindowMessages* messages = nullptr;
WndProc previous = nullptr;

// Records the tray's callback message and passes everything on, as the desktop's procedure does.
LRESULT_ TARNVEL_CALLBACK Installed(WindowHandle h, std::uint32_t msg, WPARAM_ wp, LPARAM_ lp) {
    if (msg == 2025) {
        seen.push_back(lp);
        return 0;
    }
    return messages->CallWindowProcA(previous, h, msg, wp, lp);
}

class Subclassing : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW c{};
        c.lpfnWndProc = &ClassProc;
        c.hInstance = GetModuleHandleW(nullptr);
        c.lpszClassName = L"TarnvelSubclassTest";
        RegisterClassW(&c);
        hwnd = CreateWindowExW(0, c.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, c.hInstance, nullptr);
        ASSERT_NE(hwnd, nullptr);
        impl = MakeWindowMessages();
        messages = impl.get();
        seen.clear();
    }
    void TearDown() override { DestroyWindow(hwnd); }
    WindowHandle handle() const { return reinterpret_cast<WindowHandle>(hwnd); }
    static void Pump() {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    }

    HWND hwnd = nullptr;
    std::unique_ptr<WindowMessages> impl;
};

TEST_F(Subclassing, APostedMessageReachesTheInstalledProcedureAndTheRestTheOldOne) {
    previous = impl->SetWindowLongA(handle(), GWL_WNDPROC_, &Installed);
    ASSERT_NE(previous, nullptr);
    ASSERT_TRUE(impl->PostMessageA(handle(), 2025, 0, WM_RBUTTONUP_));
    EXPECT_TRUE(seen.empty());  // queued, not run at once
    Pump();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], static_cast<LPARAM_>(WM_RBUTTONUP_));
    EXPECT_EQ(SendMessageW(hwnd, kOwnMessage, 0, 0), kOwnAnswer);
    // Text outside the code page survives the installed procedure: the window stays Unicode.
    const std::wstring title = L"\u0A24\u0A30\u0A28\u0A35\u0A47\u0A32 Tarnvel";
    ASSERT_TRUE(SetWindowTextW(hwnd, title.c_str()));
    wchar_t back[64] = {};
    GetWindowTextW(hwnd, back, 64);
    EXPECT_EQ(std::wstring(back), title);
    EXPECT_TRUE(IsWindowUnicode(hwnd));

    // Putting the old procedure back returns the installed one, and messages stop reaching it.
    EXPECT_EQ(impl->SetWindowLongA(handle(), GWL_WNDPROC_, previous), &Installed);
    impl->PostMessageA(handle(), 2025, 0, WM_LBUTTONUP_);
    Pump();
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(Subclassing, UnknownWindowsAndOtherIndexesInstallNothing) {
    const WindowHandle gone = handle();
    EXPECT_EQ(impl->SetWindowLongA(handle(), -21 /* GWL_USERDATA */, &Installed), nullptr);
    EXPECT_EQ(impl->SetWindowLongA(handle(), GWL_WNDPROC_, nullptr), nullptr);
    EXPECT_EQ(SendMessageW(hwnd, kOwnMessage, 0, 0), kOwnAnswer);  // still the class's procedure
    DestroyWindow(hwnd);
    EXPECT_EQ(impl->SetWindowLongA(gone, GWL_WNDPROC_, &Installed), nullptr);
    EXPECT_FALSE(impl->PostMessageA(gone, 2025, 0, 0));
    EXPECT_FALSE(impl->PostMessageA(0, 2025, 0, 0));  // not this thread's queue
    EXPECT_EQ(impl->CallWindowProcA(nullptr, gone, kOwnMessage, 0, 0), 0);
    MSG m;
    EXPECT_FALSE(PeekMessageW(&m, nullptr, 2025, 2025, PM_REMOVE));
}

}  // namespace
}  // namespace tarnvel::platform::win32
