// The window's keys on Win32: from the window and from the text's child window they reach
// on_key, their characters do nothing in the text.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "platform/application.h"
#include "platform/rich_text_box.h"

namespace tarnvel::platform {
namespace {

TEST(Keys, TheWindowsKeysReachOnKeyFromTheWindowAndTheText) {
    Window w;
    w.SetSize(3000, 1500);
    RichTextBox text(w);
    text.Move(0, 0, 2000, 1000);
    text.SetPlainText("one two");
    std::vector<Key> keys;
    w.on_key = [&](Key k) {
        keys.push_back(k);
        return true;
    };
    w.Show();
    Application::ProcessEvents(20);
    HWND edit = FindWindowExW(reinterpret_cast<HWND>(w.Handle()), nullptr, nullptr, nullptr);  // the text
    ASSERT_NE(edit, nullptr);
    const struct {
        WPARAM vk;
        Key expected;
    } cases[] = {{VK_TAB, Key::Tab}, {VK_RETURN, Key::Enter}, {VK_SPACE, Key::Space}, {VK_ESCAPE, Key::Escape}};
    for (HWND target : {reinterpret_cast<HWND>(w.Handle()), edit}) {
        for (const auto& k : cases) {
            keys.clear();
            SendMessageW(target, WM_KEYDOWN, k.vk, 1);
            EXPECT_EQ(keys, std::vector<Key>{k.expected}) << k.vk;
        }
    }
    keys.clear();
    SendMessageW(edit, WM_KEYDOWN, 'A', 1);
    SendMessageW(edit, WM_CHAR, L' ', 1);  // typed into a read-only text: nothing
    EXPECT_TRUE(keys.empty());
    EXPECT_EQ(text.ShownText(), "one two");
}

}  // namespace
}  // namespace tarnvel::platform
