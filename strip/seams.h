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
class ReaderLink;

struct StripSeams {
    // Reads the program's stored settings.
    std::function<void()> LoadSettings;
    // Whether the stored settings ask for the log-on entry; empty: they do.
    std::function<bool()> RunAtStartup;
    // Adds (Enable) or deletes the log-on entry named ExeName for the program in AppPath.
    std::function<void(const std::string& ExeName, const std::string& AppPath, bool Enable)> UpdateRegistry;
    // Creates the notification-area icon of the strip, with its popup menu.
    std::function<void(frmFirst& form, platform::Menu& menu)> AddTrayIcon;
    // Sets the icon's tooltip.
    std::function<void(const std::string& text)> SetTrayTip;
    // Loads the reader window without showing it.
    std::function<void()> Load_DropWindow;
    // The reader window, for "More Information" and the top-bar drag; empty or null: none.
    std::function<ReaderLink*()> DropWindow;
    // The program's one handling of a change of the date, which rolls the strip over first
    // and then lets the reader follow. Empty: the strip rolls itself over.
    std::function<void()> DayChange;
    // Hides every window of the program and stops the strip's pointer watch.
    std::function<void()> HideAllForms;
    // The "E&xit" command of the icon's menu.
    std::function<void()> mnuTrayClose_Click;
    // Whether the strip's own right-click menu offers "E&xit": where the desktop has no
    // notification area, the icon's menu is out of reach. Empty: never.
    std::function<bool()> OfferExitOnStrip;
};

}  // namespace tarnvel::strip
