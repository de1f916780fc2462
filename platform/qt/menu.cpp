#include "platform/menu.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <vector>

#include "platform/qt/convert.h"

namespace tarnvel::platform {

// The Qt menu is made at the first popup: most menus are never opened in a run.
struct Menu::Impl {
    std::string caption;
    std::vector<std::string> captions;
    std::vector<std::function<void()>> handlers;
    std::vector<int> separators;  // the item count at each separator
    std::unique_ptr<QMenu> menu;

    QMenu& Made() {
        if (menu) return *menu;
        menu = std::make_unique<QMenu>();
        std::size_t sep = 0;
        for (int i = 0; i <= static_cast<int>(captions.size()); ++i) {
            for (; sep < separators.size() && separators[sep] == i; ++sep) menu->addSeparator();
            if (i < static_cast<int>(captions.size()))
                menu->addAction(qt::ToQString(captions[static_cast<std::size_t>(i)]))->setData(i);
        }
        return *menu;
    }
};

Menu::Menu(std::string_view caption) : impl_(std::make_unique<Impl>()) { impl_->caption = std::string(caption); }
Menu::~Menu() = default;

const std::string& Menu::Caption() const { return impl_->caption; }

int Menu::AddItem(std::string_view caption, std::function<void()> on_click) {
    const int index = static_cast<int>(impl_->captions.size());
    impl_->captions.emplace_back(caption);
    impl_->handlers.push_back(std::move(on_click));
    if (impl_->menu) impl_->menu->addAction(qt::ToQString(caption))->setData(index);
    return index;
}

void Menu::AddSeparator() {
    impl_->separators.push_back(ItemCount());
    if (impl_->menu) impl_->menu->addSeparator();
}

int Menu::ItemCount() const { return static_cast<int>(impl_->captions.size()); }
const std::string& Menu::ItemCaption(int index) const { return impl_->captions.at(static_cast<std::size_t>(index)); }

// The chosen item's handler runs after the menu's own loop has ended, since it may
// destroy the menu (the icon's "Exit" unloads the window that owns it).
void Menu::Popup(Window&) {
    if (const QAction* chosen = impl_->Made().exec(QCursor::pos())) Activate(chosen->data().toInt());
}

void Menu::Activate(int index) {
    if (index < 0 || index >= ItemCount()) return;
    // A copy: the handler may destroy this menu and the handler stored in it.
    const std::function<void()> handler = impl_->handlers[static_cast<std::size_t>(index)];
    if (handler) handler();
}

}  // namespace tarnvel::platform
