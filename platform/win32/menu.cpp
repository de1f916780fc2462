// A popup menu on Win32: built anew for each popup and tracked until it closes.
#include "platform/menu.h"

#include <windows.h>

#include "platform/menu_impl.h"
#include "platform/win32/convert.h"

namespace tarnvel::platform {

namespace {

class Win32Menu final : public MenuNative {
public:
    void Added(int, const std::string&) override {}
    void Divided() override {}
    int Popup(const Menu::Impl& items, Window& owner) override {
        HMENU menu = CreatePopupMenu();
        if (!menu) return -1;
        // Command ids start at 1: TrackPopupMenu answers 0 when nothing was chosen.
        items.Walk(
            [&](int i, const std::string& caption) {
                AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(i) + 1, win32::Wide(caption).c_str());
            },
            [&] { AppendMenuW(menu, MF_SEPARATOR, 0, nullptr); });
        HWND hwnd = reinterpret_cast<HWND>(owner.Handle());
        POINT p{};
        GetCursorPos(&p);
        // Without the owner in front, the menu would not close when the user clicks elsewhere;
        // the empty message afterwards lets the menu's own loop see that it has ended.
        SetForegroundWindow(hwnd);
        const int chosen = static_cast<int>(
            TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, p.x, p.y, 0, hwnd, nullptr));
        PostMessageW(hwnd, WM_NULL, 0, 0);
        DestroyMenu(menu);
        return chosen - 1;
    }
};

}  // namespace

std::unique_ptr<MenuNative> MakeMenuNative() { return std::make_unique<Win32Menu>(); }

}  // namespace tarnvel::platform
