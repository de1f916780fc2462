// A popup menu opened for real: the keyboard chooses an item while the menu's own loop runs,
// and Popup returns only after that item's handler ran.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "platform/menu.h"

namespace tarnvel::platform {
namespace {

std::vector<UINT> g_keys;  // what the timer types into the open menu
bool g_typed = false;

void CALLBACK TypeIntoMenu(HWND, UINT, UINT_PTR id, DWORD) {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    KillTimer(nullptr, id);
    for (UINT key : g_keys) {
        PostMessageW(menu, WM_KEYDOWN, key, 0);
        PostMessageW(menu, WM_KEYUP, key, 0xC0000000);
    }
    g_typed = true;
}

struct Case {
    std::vector<UINT> keys;
    std::vector<int> ran;
};

TEST(MenuPopup, ReturnsAfterTheChosenItemsHandlerRan) {
    const Case cases[] = {
        {{VK_DOWN, VK_DOWN, VK_RETURN}, {1}},  // down past the separator to the second item
        {{VK_DOWN, VK_RETURN}, {0}},
        {{VK_ESCAPE}, {}},  // closed without a choice: no handler
    };
    for (const Case& k : cases) {
        Window owner;
        owner.SetSize(3000, 1500);
        owner.Show();
        Menu m("Popup");
        std::vector<int> ran;
        bool returned = false;
        m.AddItem("&First", [&] { ran.push_back(0); });
        m.AddSeparator();
        m.AddItem("&Second", [&] {
            EXPECT_FALSE(returned);
            ran.push_back(1);
        });
        g_keys = k.keys;
        g_typed = false;
        SetTimer(nullptr, 0, 50, TypeIntoMenu);
        m.Popup(owner);
        returned = true;
        EXPECT_TRUE(g_typed);
        EXPECT_EQ(ran, k.ran) << k.keys.size() << " keys";
    }
}

}  // namespace
}  // namespace tarnvel::platform
