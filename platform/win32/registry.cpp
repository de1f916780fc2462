#include "platform/win32/registry.h"

#include <windows.h>

#include "platform/win32/convert.h"
#include "platform/win32/system_error_text.h"

namespace tarnvel::platform::win32 {
namespace {

// The predefined keys are 32-bit values that a 64-bit HKEY holds sign-extended
// (0xFFFFFFFF80000001); any other value is a key this class opened.
HKEY key_of(RegKey k) {
    if (k >= 0x80000000u && k <= 0x800000FFu)
        return reinterpret_cast<HKEY>(static_cast<INT_PTR>(static_cast<std::int32_t>(k)));
    return reinterpret_cast<HKEY>(k);
}

}  // namespace

long Win32Registry::RegCreateKeyExA(RegKey root, std::string_view subkey, std::uint32_t reserved, std::string_view cls,
                                    std::uint32_t options, std::uint32_t access, RegKey* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    std::wstring class_name = Wide(cls);
    HKEY opened = nullptr;
    const LONG e = ::RegCreateKeyExW(key_of(root), Wide(subkey).c_str(), reserved, class_name.data(), options, access,
                                     nullptr, &opened, nullptr);
    if (e == ERROR_SUCCESS) *result = reinterpret_cast<RegKey>(opened);
    return e;
}

long Win32Registry::RegSetValueExA(RegKey key, std::string_view name, std::uint32_t reserved, std::uint32_t type,
                                   std::string_view data, std::uint32_t length) {
    data = data.substr(0, length);
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        const std::wstring text = Wide(data.substr(0, data.find('\0')));
        const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
        return ::RegSetValueExW(key_of(key), Wide(name).c_str(), reserved, type,
                                reinterpret_cast<const BYTE*>(text.c_str()), bytes);
    }
    return ::RegSetValueExW(key_of(key), Wide(name).c_str(), reserved, type,
                            reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
}

long Win32Registry::RegDeleteValueA(RegKey key, std::string_view name) {
    return ::RegDeleteValueW(key_of(key), Wide(name).c_str());
}

long Win32Registry::RegCloseKey(RegKey key) { return ::RegCloseKey(key_of(key)); }

std::string Win32Registry::ErrorText(long code) const { return SystemErrorText(code); }

}  // namespace tarnvel::platform::win32
