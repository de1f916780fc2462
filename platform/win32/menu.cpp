#include "platform/menu.h"

#include <windows.h>

#include <vector>

#include "platform/win32/convert.h"

namespace tarnvel::platform {

struct Menu::Impl {
    std::string caption;
    std::vector<std::string> captions;
    std::vector<std::function<void()>> handlers;
    std::vector<int> separators;  // each after that many items
};

Menu::Menu(std::string_view caption) : impl_(std::make_unique<Impl>()) { impl_->caption = std::string(caption); }
Menu::~Menu() = default;

const std::string& Menu::Caption() const { return impl_->caption; }

int Menu::AddItem(std::string_view caption, std::function<void()> on_click) {
    const int index = static_cast<int>(impl_->captions.size());
    impl_->captions.emplace_back(caption);
    impl_->handlers.push_back(std::move(on_click));
    return index;
}

void Menu::AddSeparator() { impl_->separators.push_back(ItemCount()); }

int Menu::ItemCount() const { return static_cast<int>(impl_->captions.size()); }
const std::string& Menu::ItemCaption(int index) const { return impl_->captions.at(static_cast<std::size_t>(index)); }

void Menu::Popup(Window& owner) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    std::size_t sep = 0;
    for (int i = 0; i <= ItemCount(); ++i) {
        for (; sep < impl_->separators.size() && impl_->separators[sep] == i; ++sep)
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        // Command ids start at 1: TrackPopupMenu answers 0 when nothing was chosen.
        if (i < ItemCount())
            AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(i) + 1,
                        win32::Wide(impl_->captions[static_cast<std::size_t>(i)]).c_str());
    }
    HWND hwnd = reinterpret_cast<HWND>(owner.Handle());
    POINT p{};
    GetCursorPos(&p);
    // Without the owner in front, the menu would not close when the user clicks elsewhere; the
    // empty message afterwards lets the menu's own loop see that it has ended.
    SetForegroundWindow(hwnd);
    const int chosen = static_cast<int>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, p.x, p.y, 0, hwnd, nullptr));
    PostMessageW(hwnd, WM_NULL, 0, 0);
    DestroyMenu(menu);
    // The handler runs after the menu's own loop has ended, since it may destroy the menu
    // (the icon's "Exit" unloads the window that owns it).
    if (chosen > 0) Activate(chosen - 1);
}

void Menu::Activate(int index) {
    if (index < 0 || index >= ItemCount()) return;
    // A copy: the handler may destroy this menu and the handler stored in it.
    const std::function<void()> handler = impl_->handlers[static_cast<std::size_t>(index)];
    if (handler) handler();
}

}  // namespace tarnvel::platform
