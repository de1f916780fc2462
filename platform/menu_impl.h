#pragma once
// A popup menu's items, kept once: captions, handlers and where the dividing lines go. A
// backend gives it a MenuNative that builds the toolkit's menu from them and opens it.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/menu.h"

namespace tarnvel::platform {

class MenuNative {
public:
    virtual ~MenuNative() = default;
    // An item or a dividing line was added after the menu was built.
    virtual void Added(int index, const std::string& caption) = 0;
    virtual void Divided() = 0;
    // Opens the menu at the pointer over `owner`; the chosen item's index, or -1.
    virtual int Popup(const Menu::Impl& items, Window& owner) = 0;
};

struct Menu::Impl {
    // Calls item(index, caption) for each item and divider() for each dividing line, top to
    // bottom, for building the toolkit's menu.
    template <class Item, class Divider>
    void Walk(Item item, Divider divider) const {
        std::size_t sep = 0;
        for (std::size_t i = 0; i <= captions.size(); ++i) {
            for (; sep < separators.size() && static_cast<std::size_t>(separators[sep]) == i; ++sep) divider();
            if (i < captions.size()) item(static_cast<int>(i), captions[i]);
        }
    }

    std::string caption;
    std::vector<std::string> captions;
    std::vector<std::function<void()>> handlers;
    std::vector<int> separators;  // each after that many items
    std::unique_ptr<MenuNative> native;
};

std::unique_ptr<MenuNative> MakeMenuNative();

}  // namespace tarnvel::platform
