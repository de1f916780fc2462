// A popup menu on Qt: the QMenu is made at the first popup, since most menus are never opened.
#include "platform/menu.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

#include "platform/menu_impl.h"
#include "platform/qt/convert.h"

namespace tarnvel::platform {

namespace {

class QtMenu final : public MenuNative {
public:
    void Added(int index, const std::string& caption) override {
        if (menu_) menu_->addAction(qt::ToQString(caption))->setData(index);
    }
    void Divided() override {
        if (menu_) menu_->addSeparator();
    }
    int Popup(const Menu::Impl& items, Window&) override {
        if (!menu_) {
            menu_ = std::make_unique<QMenu>();
            items.Walk([&](int i, const std::string& caption) { menu_->addAction(qt::ToQString(caption))->setData(i); },
                       [&] { menu_->addSeparator(); });
        }
        const QAction* chosen = menu_->exec(QCursor::pos());
        return chosen ? chosen->data().toInt() : -1;
    }

private:
    std::unique_ptr<QMenu> menu_;
};

}  // namespace

std::unique_ptr<MenuNative> MakeMenuNative() { return std::make_unique<QtMenu>(); }

}  // namespace tarnvel::platform
