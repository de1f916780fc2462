#include "platform/menu.h"

#include "platform/menu_impl.h"

namespace tarnvel::platform {

Menu::Menu(std::string_view caption) : impl_(std::make_unique<Impl>()) {
    impl_->caption = std::string(caption);
    impl_->native = MakeMenuNative();
}
Menu::~Menu() = default;

const std::string& Menu::Caption() const { return impl_->caption; }

int Menu::AddItem(std::string_view caption, std::function<void()> on_click) {
    const int index = ItemCount();
    impl_->captions.emplace_back(caption);
    impl_->handlers.push_back(std::move(on_click));
    impl_->native->Added(index, impl_->captions.back());
    return index;
}

void Menu::AddSeparator() {
    impl_->separators.push_back(ItemCount());
    impl_->native->Divided();
}

int Menu::ItemCount() const { return static_cast<int>(impl_->captions.size()); }
const std::string& Menu::ItemCaption(int index) const { return impl_->captions.at(static_cast<std::size_t>(index)); }

// The chosen item's handler runs after the menu's own loop has ended, since it may destroy
// the menu (the icon's "Exit" unloads the window that owns it).
void Menu::Popup(Window& owner) {
    const int chosen = impl_->native->Popup(*impl_, owner);
    if (chosen >= 0) Activate(chosen);
}

void Menu::Activate(int index) {
    if (index < 0 || index >= ItemCount()) return;
    // A copy: the handler may destroy this menu and the handler stored in it.
    const std::function<void()> handler = impl_->handlers[static_cast<std::size_t>(index)];
    if (handler) handler();
}

}  // namespace tarnvel::platform
