#include "platform/win32/settings_store.h"

#include <windows.h>

#include <string>

#include "platform/win32/convert.h"
#include "platform/win32/system_error_text.h"

namespace tarnvel::platform::win32 {
namespace {

bool valid_part(std::string_view s) { return !s.empty() && s.find('\\') == std::string_view::npos; }

std::string key_path(std::string_view application, std::string_view section) {
    return "Software\\" + std::string(application) + '\\' + std::string(section);
}

class Key {
public:
    Key() = default;
    ~Key() {
        if (h_) RegCloseKey(h_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY* out() { return &h_; }
    HKEY get() const { return h_; }

private:
    HKEY h_ = nullptr;
};

}  // namespace

std::string RegistrySettingsStore::GetSetting(std::string_view application, std::string_view section,
                                              std::string_view key, std::string_view fallback) {
    if (!valid_part(application) || !valid_part(section) || key.empty()) return std::string(fallback);
    Key k;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Wide(key_path(application, section)).c_str(), 0, KEY_QUERY_VALUE, k.out()) !=
        ERROR_SUCCESS)
        return std::string(fallback);
    const std::wstring name = Wide(key);
    std::wstring text;
    DWORD type = 0;
    DWORD bytes = 0;
    LONG e = ERROR_MORE_DATA;
    // The value may grow between asking its size and reading it: ask again.
    for (int tries = 0; e == ERROR_MORE_DATA && tries < 4; ++tries) {
        e = RegQueryValueExW(k.get(), name.c_str(), nullptr, &type, nullptr, &bytes);
        if (e != ERROR_SUCCESS) break;
        text.assign(bytes / sizeof(wchar_t) + 1, L'\0');
        e = RegQueryValueExW(k.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &bytes);
    }
    if (e != ERROR_SUCCESS || type != REG_SZ) return std::string(fallback);
    // The stored text need not end in a NUL, or may carry several.
    text.resize(bytes / sizeof(wchar_t));
    text.resize(text.find(L'\0') == std::wstring::npos ? text.size() : text.find(L'\0'));
    return Narrow(text);
}

StoreError RegistrySettingsStore::SaveSetting(std::string_view application, std::string_view section,
                                              std::string_view key, std::string_view value) {
    const std::string where = "HKEY_CURRENT_USER\\" + key_path(application, section);
    const auto failure = [&](long code) {
        return StoreError{static_cast<int>(code), "The setting \"" + std::string(key) + "\" could not be saved in " +
                                                      where + ": " + SystemErrorText(code)};
    };
    if (!valid_part(application) || !valid_part(section) || key.empty()) return failure(ERROR_INVALID_NAME);
    if (value.find('\0') != std::string_view::npos) return failure(ERROR_INVALID_DATA);
    Key k;
    LONG e = RegCreateKeyExW(HKEY_CURRENT_USER, Wide(key_path(application, section)).c_str(), 0, nullptr,
                             REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, k.out(), nullptr);
    if (e != ERROR_SUCCESS) return failure(e);
    const std::wstring text = Wide(value);
    e = RegSetValueExW(k.get(), Wide(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    if (e != ERROR_SUCCESS) return failure(e);
    return {};
}

}  // namespace tarnvel::platform::win32
