#pragma once
// The per-user settings store: text values addressed by application, section and key.

#include <string>
#include <string_view>

namespace tarnvel::platform {

struct StoreError {
    int code = 0;         // the platform's error code; 0 = no error
    std::string message;  // names what failed and why, for the user
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or `fallback` when nothing is stored or the store cannot be read.
    virtual std::string GetSetting(std::string_view application, std::string_view section, std::string_view key,
                                   std::string_view fallback) = 0;
    // Stores the text, creating section and key as needed. On failure returns the error,
    // and what was stored before stays as it was.
    virtual StoreError SaveSetting(std::string_view application, std::string_view section, std::string_view key,
                                   std::string_view value) = 0;
};

}  // namespace tarnvel::platform
