#pragma once
// The per-user settings in the registry: application "A", section "S" is the key
// HKEY_CURRENT_USER\Software\A\S, and each setting one REG_SZ value in it.

#include "platform/settings_store.h"

namespace tarnvel::platform::win32 {

class RegistrySettingsStore final : public SettingsStore {
public:
    // A value that is not REG_SZ counts as nothing stored. An application or section that is
    // empty or holds a backslash, or an empty key, names no value: reads give the fallback,
    // saves fail with ERROR_INVALID_NAME.
    std::string GetSetting(std::string_view application, std::string_view section, std::string_view key,
                           std::string_view fallback) override;
    // One value written whole or not at all; text with a NUL in it fails with ERROR_INVALID_DATA.
    StoreError SaveSetting(std::string_view application, std::string_view section, std::string_view key,
                           std::string_view value) override;
};

}  // namespace tarnvel::platform::win32
