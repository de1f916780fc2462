#include "platform/stores.h"

#include "platform/os/autostart.h"
#include "platform/os/ini_store.h"

namespace tarnvel::platform {

std::unique_ptr<SettingsStore> UserSettings() { return std::make_unique<os::IniStore>(); }
std::unique_ptr<Registry> LogonRegistry() { return std::make_unique<os::AutostartRegistry>(); }

}  // namespace tarnvel::platform
