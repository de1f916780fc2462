#pragma once
// The log-on entry, reached through calls shaped like the Windows registry API so
// that a Windows build passes them straight through. Elsewhere the Run key is the
// desktop's autostart folder and a value is a start-up entry in it.

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnvel::platform {

using RegKey = std::uintptr_t;
inline constexpr RegKey HKEY_CURRENT_USER_ = 0x80000001;
inline constexpr std::uint32_t KEY_WRITE_ = 0x20006;
inline constexpr std::uint32_t REG_SZ_ = 1;
inline constexpr std::string_view RunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class Registry {
public:
    virtual ~Registry() = default;
    // Opens `subkey` of `root`, creating it when absent. 0 on success with `*result`
    // set; otherwise the platform's error code and `*result` untouched.
    virtual long RegCreateKeyExA(RegKey root, std::string_view subkey, std::uint32_t reserved, std::string_view cls,
                                 std::uint32_t options, std::uint32_t access, RegKey* result) = 0;
    // Writes a value; `data` holds `length` bytes, a text's NUL included. 0 on success.
    virtual long RegSetValueExA(RegKey key, std::string_view name, std::uint32_t reserved, std::uint32_t type,
                                std::string_view data, std::uint32_t length) = 0;
    // Deletes a value; an error code when it was not there or could not be deleted.
    virtual long RegDeleteValueA(RegKey key, std::string_view name) = 0;
    // Closes a key opened above; an error code for a key that is not open.
    virtual long RegCloseKey(RegKey key) = 0;
    // The system's text for an error code of the calls above; never empty.
    virtual std::string ErrorText(long code) const = 0;
};

}  // namespace tarnvel::platform
