#pragma once
// A popup menu with items built at run time.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/window.h"

namespace tarnvel::platform {

class Menu {
public:
    // `caption` names the menu; items' captions mark their access key with '&'.
    explicit Menu(std::string_view caption);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    const std::string& Caption() const;
    int AddItem(std::string_view caption, std::function<void()> on_click);  // returns the index
    // A dividing line after the items added so far; it is no item and has no index.
    void AddSeparator();
    int ItemCount() const;
    const std::string& ItemCaption(int index) const;

    // Opens the menu at the pointer over `owner`; returns after it closed and, if an item
    // was chosen, after that item's handler has run.
    void Popup(Window& owner);
    // Runs item `index`'s handler as choosing it would; out-of-range indexes do nothing.
    void Activate(int index);

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace tarnvel::platform
