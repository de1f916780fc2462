#include "desktop/module_startup.h"

#include <exception>
#include <system_error>

#include "desktop/module_registry.h"

namespace tarnvel {

std::string RunValueData(const std::string& AppPath, const std::string& ExeName) {
    std::string path = AppPath + platform::PathSeparator + ExeName + platform::ExecutableSuffix;
#ifdef _WIN32
    if (path.find(' ') != std::string::npos) path = '"' + path + '"';
#endif
    return path;
}

void UpdateRegistry(const std::string& ExeName, const std::string& AppPath, bool Enable, platform::Registry& registry,
                    const platform::ProgramIdentity& program, platform::MessageDialog& message_box) {
    const std::string title(ProgramTitle);
    const auto report = [&](long code, const char* what) {
        message_box.Show("Error " + std::to_string(code) + what + "\r\n" + registry.ErrorText(code), title);
    };
    platform::RegKey key = 0;
    bool open = false;
    try {
        const long opened = registry.RegCreateKeyExA(platform::HKEY_CURRENT_USER_, platform::RunKeyPath, 0, "0", 0,
                                                     platform::KEY_WRITE_, &key);
        if (opened != 0) return report(opened, " opening key");
        open = true;
        if (Enable) {
            const std::string data = RunValueData(AppPath, ExeName) + '\0';
            const long set = registry.RegSetValueExA(key, program.ExeName(), 0, platform::REG_SZ_, data,
                                                     static_cast<std::uint32_t>(data.size()));
            if (set != 0) report(set, " setting key");
        } else {
            registry.RegDeleteValueA(key, ExeName);  // a value that was never there is no error
        }
        open = false;
        registry.RegCloseKey(key);
    } catch (const std::exception& e) {
        if (open) registry.RegCloseKey(key);
        const auto* se = dynamic_cast<const std::system_error*>(&e);
        message_box.Show(std::to_string(se ? se->code().value() : 0) + " " + e.what(), title);
    }
}

}  // namespace tarnvel
