#include "platform/menu.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <vector>

#include "platform/qt/convert.h"

namespace tarnvel::platform {

struct Menu::Impl {
    std::string caption;
    std::vector<std::string> captions;
    std::vector<std::function<void()>> handlers;
    QMenu menu;
};

Menu::Menu(std::string_view caption) : impl_(std::make_unique<Impl>()) { impl_->caption = std::string(caption); }
Menu::~Menu() = default;

const std::string& Menu::Caption() const { return impl_->caption; }

int Menu::AddItem(std::string_view caption, std::function<void()> on_click) {
    const int index = static_cast<int>(impl_->captions.size());
    impl_->captions.emplace_back(caption);
    impl_->handlers.push_back(std::move(on_click));
    impl_->menu.addAction(qt::ToQString(caption))->setData(index);
    return index;
}

void Menu::AddSeparator() { impl_->menu.addSeparator(); }

int Menu::ItemCount() const { return static_cast<int>(impl_->captions.size()); }
const std::string& Menu::ItemCaption(int index) const { return impl_->captions.at(static_cast<std::size_t>(index)); }

// The chosen item's handler runs after the menu's own loop has ended, since it may
// destroy the menu (the icon's "Exit" unloads the window that owns it).
void Menu::Popup(Window&) {
    if (const QAction* chosen = impl_->menu.exec(QCursor::pos())) Activate(chosen->data().toInt());
}

void Menu::Activate(int index) {
    if (index < 0 || index >= ItemCount()) return;
    // A copy: the handler may destroy this menu and the handler stored in it.
    const std::function<void()> handler = impl_->handlers[static_cast<std::size_t>(index)];
    if (handler) handler();
}

}  // namespace tarnvel::platform
