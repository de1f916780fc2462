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
    QAction* a = impl_->menu.addAction(qt::ToQString(caption));
    QObject::connect(a, &QAction::triggered, [this, index] { Activate(index); });
    return index;
}

int Menu::ItemCount() const { return static_cast<int>(impl_->captions.size()); }
const std::string& Menu::ItemCaption(int index) const { return impl_->captions.at(static_cast<std::size_t>(index)); }

void Menu::Popup(Window&) { impl_->menu.exec(QCursor::pos()); }

void Menu::Activate(int index) {
    if (index < 0 || index >= ItemCount()) return;
    if (const auto& h = impl_->handlers[static_cast<std::size_t>(index)]) h();
}

}  // namespace tarnvel::platform
