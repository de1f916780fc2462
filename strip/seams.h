#pragma once
// Calls the strip makes into the desktop integration and the reader window. Each
// one left empty does nothing (a setting read answers its default), which is how
// the strip runs before those parts exist.

#include <functional>
#include <string>
#include <string_view>

namespace tarnvel::platform {
class Menu;
}

namespace tarnvel::strip {

class frmFirst;

struct StripSeams {
    // Reads the program's stored settings.
    std::function<void()> LoadSettings;
    // One value of the per-user settings store, or `default_value` when none is stored.
    std::function<std::string(std::string_view app, std::string_view section, std::string_view key,
                              std::string_view default_value)>
        GetSetting;
    // Adds (Enable) or deletes the log-on entry named ExeName for the program in AppPath.
    std::function<void(const std::string& ExeName, const std::string& AppPath, bool Enable)> UpdateRegistry;
    // Creates the notification-area icon of the strip, with its popup menu.
    std::function<void(frmFirst& form, platform::Menu& menu)> AddTrayIcon;
    // Sets the icon's tooltip.
    std::function<void(const std::string& text)> SetTrayTip;
    // Loads the reader window without showing it.
    std::function<void()> Load_DropWindow;
    // Hides every window of the program and stops the strip's pointer watch.
    std::function<void()> HideAllForms;
    // The "E&xit" command of the icon's menu.
    std::function<void()> mnuTrayClose_Click;
};

}  // namespace tarnvel::strip
