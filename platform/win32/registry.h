#pragma once
// The log-on entry in the real registry: the calls go to the registry API of Windows.
//
// Names and data are the program's UTF-8 text and go through the W functions, so a program
// folder outside the 8-bit code page (a user name in another script) is stored as it is.

#include "platform/registry.h"

namespace tarnvel::platform::win32 {

class Win32Registry final : public Registry {
public:
    // `root` may be a predefined key (HKEY_CURRENT_USER_, ...) as its 32-bit value. Keys
    // handed out are the HKEY values.
    long RegCreateKeyExA(RegKey root, std::string_view subkey, std::uint32_t reserved, std::string_view cls,
                         std::uint32_t options, std::uint32_t access, RegKey* result) override;
    // A REG_SZ or REG_EXPAND_SZ value is its text up to the first NUL within `length`;
    // data of other types is written as the bytes given.
    long RegSetValueExA(RegKey key, std::string_view name, std::uint32_t reserved, std::uint32_t type,
                        std::string_view data, std::uint32_t length) override;
    long RegDeleteValueA(RegKey key, std::string_view name) override;
    long RegCloseKey(RegKey key) override;
    // FormatMessage's text without its line end; "Error N" when the system has none.
    std::string ErrorText(long code) const override;
};

}  // namespace tarnvel::platform::win32
