#pragma once
// The platform's own per-user settings store and log-on entry, for the program to use
// without naming how a platform keeps them.

#include <memory>

#include "platform/registry.h"
#include "platform/settings_store.h"

namespace tarnvel::platform {

// Linux: the INI file in the configuration folder. Windows: HKEY_CURRENT_USER\Software.
std::unique_ptr<SettingsStore> UserSettings();
// Linux: the XDG autostart folder. Windows: the registry, where the Run key lives.
std::unique_ptr<Registry> LogonRegistry();

}  // namespace tarnvel::platform
