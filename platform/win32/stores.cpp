#include "platform/stores.h"

#include "platform/win32/registry.h"
#include "platform/win32/settings_store.h"

namespace tarnvel::platform {

std::unique_ptr<SettingsStore> UserSettings() { return std::make_unique<win32::RegistrySettingsStore>(); }
std::unique_ptr<Registry> LogonRegistry() { return std::make_unique<win32::Win32Registry>(); }

}  // namespace tarnvel::platform
