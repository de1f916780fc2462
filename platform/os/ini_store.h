#pragma once
// Settings kept as one INI file per application in the user's configuration
// folder ($XDG_CONFIG_HOME, else ~/.config): <application>.ini, one [section] each.

#include <string>

#include "platform/os/file_layer.h"
#include "platform/settings_store.h"

namespace tarnvel::platform::os {

class IniStore : public SettingsStore {
public:
    // `folder` empty: the user's configuration folder, looked up at each call.
    explicit IniStore(std::string folder = {}, FileLayer& fs = FileLayer::Real()) : folder_(std::move(folder)), fs_(fs) {}

    std::string GetSetting(std::string_view application, std::string_view section, std::string_view key,
                           std::string_view fallback) override;
    StoreError SaveSetting(std::string_view application, std::string_view section, std::string_view key,
                           std::string_view value) override;

    // Where the application's values live; empty when no folder is known.
    std::string PathOf(std::string_view application) const;

private:
    std::string folder_;
    FileLayer& fs_;
};

}  // namespace tarnvel::platform::os
