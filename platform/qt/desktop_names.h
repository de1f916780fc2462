#pragma once
// The names the desktop knows the program by. They match the menu entry the package
// installs (packaging/org.orvanta.Tarnvel.desktop) and its icons in the hicolor theme.

namespace tarnvel::platform::qt {

// The application's name: the class of the windows' WM_CLASS (the menu entry's
// StartupWMClass), the notification item's Id, and its Title as the display name.
inline constexpr const char* ApplicationName = "Tarnvel";
// The menu entry's file name without ".desktop", and the name of the themed icon.
inline constexpr const char* DesktopId = "org.orvanta.Tarnvel";

}  // namespace tarnvel::platform::qt
