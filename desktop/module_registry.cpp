#include "desktop/module_registry.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace tarnvel {
namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

bool equals_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

std::optional<double> TextToNumber(std::string_view text) {
    const std::string t(trim(text));
    if (t.empty()) return std::nullopt;
    char* end = nullptr;
    const double v = std::strtod(t.c_str(), &end);
    // strtod also takes "nan", "inf" and hexadecimal, which no one stores as a setting.
    if (end != t.c_str() + t.size() || t.find_first_of("xXnNiI") != std::string::npos) return std::nullopt;
    return v;
}

std::optional<bool> TextToBoolean(std::string_view text) {
    const std::string_view t = trim(text);
    if (equals_ignoring_case(t, "True")) return true;
    if (equals_ignoring_case(t, "False")) return false;
    if (const auto n = TextToNumber(t)) return *n != 0;
    return std::nullopt;
}

void LoadSettings(platform::SettingsStore& store) {
    const std::string v = store.GetSetting(SettingsApplication, SettingsSection, "UpdateRegistry", "False");
    UpdateRegistryFlag = TextToBoolean(v).value_or(false);
}

bool RunAtStartupWanted(platform::SettingsStore& store) {
    const std::string v = store.GetSetting(SettingsApplication, SettingsSection, "Run_Startup", "1");
    return TextToNumber(v).value_or(1) == 1;
}

bool SaveSettings(platform::SettingsStore& store, const platform::ProgramIdentity& program,
                  platform::MessageDialog& message_box) {
    const std::pair<std::string_view, std::string> values[] = {
        {"Version", std::string(ProgramTitle)},
        {"UpdateRegistry", UpdateRegistryFlag ? "True" : "False"},
        {"Application Path", program.AppPath()},
        {"Run_Startup", "1"},
    };
    platform::StoreError first;
    for (const auto& [key, value] : values) {
        const platform::StoreError e = store.SaveSetting(SettingsApplication, SettingsSection, key, value);
        if (e.code != 0 && first.code == 0) first = e;
    }
    if (first.code == 0) return true;
    message_box.Show(first.message, std::string(ProgramTitle));
    return false;
}

}  // namespace tarnvel
