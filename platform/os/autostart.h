#pragma once
// The Run key as the XDG autostart folder: a value is the entry <name>.desktop,
// whose data is the program to start. Only the Run key of HKEY_CURRENT_USER exists.

#include <map>
#include <string>

#include "platform/os/file_layer.h"
#include "platform/registry.h"

namespace tarnvel::platform::os {

class AutostartRegistry : public Registry {
public:
    // `folder` empty: <configuration folder>/autostart, looked up when the key is opened.
    explicit AutostartRegistry(std::string folder = {}, FileLayer& fs = FileLayer::Real())
        : folder_(std::move(folder)), fs_(fs) {}

    long RegCreateKeyExA(RegKey root, std::string_view subkey, std::uint32_t reserved, std::string_view cls,
                         std::uint32_t options, std::uint32_t access, RegKey* result) override;
    long RegSetValueExA(RegKey key, std::string_view name, std::uint32_t reserved, std::uint32_t type,
                        std::string_view data, std::uint32_t length) override;
    long RegDeleteValueA(RegKey key, std::string_view name) override;
    long RegCloseKey(RegKey key) override;
    std::string ErrorText(long code) const override;

    // The entry file of value `name` in the autostart folder.
    std::string EntryPath(std::string_view name) const;

private:
    std::string Folder() const;
    std::string folder_;
    FileLayer& fs_;
    std::map<RegKey, std::string> open_;  // key handle -> folder
    RegKey next_ = 1;
};

}  // namespace tarnvel::platform::os
