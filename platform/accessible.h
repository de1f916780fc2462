#pragma once
// What a control tells screen readers, and the keys a window hands to the program. The
// program's windows choose each control's role and name; a platform exposes them to its
// accessibility service as far as it can (on Linux AT-SPI through the toolkit).

#include <string>

namespace tarnvel::platform {

// None: decoration, nothing a person reads or acts on.
enum class AccessibleRole { None, Text, Link, Button, Menu, MenuItem, Document };

// A control's accessible role and name. An empty name stands for the control's caption.
struct Accessible {
    AccessibleRole role = AccessibleRole::None;
    std::string name;

    // The name a screen reader is given: the one set, else what the control shows (a label's
    // caption, a picture's tooltip), so a name that follows the day needs no second copy.
    const std::string& NameOr(const std::string& shown) const { return name.empty() ? shown : name; }
};

// The keys a window delivers to on_key; every other key stays with the toolkit.
enum class Key { Tab, BackTab, Enter, Space, Escape };

}  // namespace tarnvel::platform
