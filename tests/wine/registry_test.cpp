// The settings store and the Run value in a real registry (Wine's), each test under keys
// of its own that it deletes again.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "desktop/module_startup.h"
#include "platform/fake/desktop_fakes.h"
#include "platform/fake/fakes.h"
#include "platform/win32/registry.h"
#include "platform/win32/settings_store.h"
#include "platform/win32/system_error_text.h"

namespace tarnvel::platform::win32 {
namespace {

const std::string kApplication = "TarnvelTest" + std::to_string(GetCurrentProcessId());
const std::wstring kRoot = L"Software\\TarnvelTest" + std::to_wstring(GetCurrentProcessId());
const std::wstring kKey = kRoot + L"\\Tarnvel";

// What the registry itself holds: the UTF-16 text of a REG_SZ value, or empty with `found` false.
std::wstring stored(const std::wstring& key, const std::wstring& name, bool& found) {
    wchar_t buffer[512] = {};
    DWORD bytes = sizeof buffer;
    found = RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, buffer, &bytes) ==
            ERROR_SUCCESS;
    return found ? buffer : L"";
}

class SettingsInRegistry : public ::testing::Test {
protected:
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kRoot.c_str()); }
    RegistrySettingsStore store;
};

TEST_F(SettingsInRegistry, TextComesBackAsSavedAndIsStoredAsUtf16InTheSectionsKey) {
    struct Case {
        const char* key;
        std::string utf8;
        std::wstring utf16;
    } const cases[] = {
        {"Application Path", "C:\\Users\\Jos\xC3\xA9\\Tarnvel", L"C:\\Users\\Jos\u00E9\\Tarnvel"},
        {"Gurmukhi", "\xE0\xA8\xA8\xE0\xA8\xBE\xE0\xA8\xA8\xE0\xA8\x95", L"\u0A28\u0A3E\u0A28\u0A15"},
        {"Beyond the BMP", "\xF0\x9F\x93\x85", L"\U0001F4C5"},
        {"Empty", "", L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const StoreError e = store.SaveSetting(kApplication, "Tarnvel", c.key, c.utf8);
        EXPECT_EQ(e.code, 0) << e.message;
        EXPECT_EQ(store.GetSetting(kApplication, "Tarnvel", c.key, "fallback"), c.utf8);
        bool found = false;
        EXPECT_EQ(stored(kKey, std::wstring(c.key, c.key + std::strlen(c.key)), found), c.utf16);
        EXPECT_TRUE(found);
    }
}

// Nothing stored, or not as text the program keeps: the fallback. A text without its NUL is
// read whole.
TEST_F(SettingsInRegistry, NothingStoredGivesTheFallbackAndATextWithoutItsNulIsReadWhole) {
    EXPECT_EQ(store.GetSetting(kApplication, "Tarnvel", "Run_Startup", "1"), "1");  // no key at all
    ASSERT_EQ(store.SaveSetting(kApplication, "Tarnvel", "Version", "x").code, 0);
    EXPECT_EQ(store.GetSetting(kApplication, "Tarnvel", "Run_Startup", "1"), "1");  // key, no value
    EXPECT_EQ(store.GetSetting(kApplication, "Other", "Version", "none"), "none");
    const DWORD number = 0;
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKey.c_str(), L"Run_Startup", REG_DWORD, &number, sizeof number),
              ERROR_SUCCESS);
    EXPECT_EQ(store.GetSetting(kApplication, "Tarnvel", "Run_Startup", "1"), "1");
    const wchar_t text[] = {L'T', L'r', L'u', L'e'};  // stored without a terminator, as other writers may
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKey.c_str(), L"UpdateRegistry", REG_SZ, text, sizeof text),
              ERROR_SUCCESS);
    EXPECT_EQ(store.GetSetting(kApplication, "Tarnvel", "UpdateRegistry", "False"), "True");
}

TEST_F(SettingsInRegistry, AFailedSaveNamesTheKeyAndTheCauseAndKeepsTheOldValue) {
    ASSERT_EQ(store.SaveSetting(kApplication, "Tarnvel", "Version", "old").code, 0);
    struct Case {
        std::string section, key, value;
        int code;
    } const cases[] = {
        {"Tarnvel", "Version", std::string("new\0tail", 8), ERROR_INVALID_DATA},
        {"Tar\\nvel", "Version", "new", ERROR_INVALID_NAME},
        {"Tarnvel", "", "new", ERROR_INVALID_NAME},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section + "/" + c.key);
        const StoreError e = store.SaveSetting(kApplication, c.section, c.key, c.value);
        EXPECT_EQ(e.code, c.code);
        EXPECT_NE(e.message.find("HKEY_CURRENT_USER\\Software\\" + kApplication + "\\" + c.section), std::string::npos)
            << e.message;
        EXPECT_GT(e.message.size(), e.message.find(": ") + 2) << "the system's text is missing: " << e.message;
    }
    // Refused by the registry itself: a key name longer than 255 characters.
    const std::string long_section(300, 's');
    const StoreError e = store.SaveSetting(kApplication, long_section, "Version", "new");
    EXPECT_NE(e.code, 0);
    EXPECT_NE(e.message.find("\\" + long_section + ": " + SystemErrorText(e.code)), std::string::npos) << e.message;
    EXPECT_EQ(store.GetSetting(kApplication, "Tarnvel", "Version", ""), "old");
    bool found = true;
    stored(kRoot + L"\\Tar", L"Version", found);
    EXPECT_FALSE(found);
}

// The Run value written and deleted through the desktop's own routine and the real API.
class RunValue : public ::testing::Test {
protected:
    void SetUp() override { program.name = "tarnvel-test-" + std::to_string(GetCurrentProcessId()); }
    void TearDown() override { RegDeleteKeyValueW(HKEY_CURRENT_USER, kRun, name().c_str()); }
    std::wstring name() const { return std::wstring(program.name.begin(), program.name.end()); }
    static constexpr const wchar_t* kRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    Win32Registry registry;
    fake::FakeProgram program;
    fake::FakeMessageDialog box;
};

// A folder with a space is quoted (one without is the program test's, in the real Run key), and
// its text outside ASCII stored as UTF-16.
TEST_F(RunValue, EnableWritesThePathAndDisableDeletesIt) {
    const std::string folder = "C:\\Program Files\\Jos\xC3\xA9";
    UpdateRegistry(program.name, folder, true, registry, program, box);
    bool found = false;
    EXPECT_EQ(stored(kRun, name(), found), L"\"C:\\Program Files\\Jos\u00E9\\" + name() + L".exe\"");
    EXPECT_TRUE(found);
    UpdateRegistry(program.name, folder, false, registry, program, box);
    stored(kRun, name(), found);
    EXPECT_FALSE(found);
    UpdateRegistry(program.name, folder, false, registry, program, box);  // nothing left to delete
    EXPECT_TRUE(box.shown.empty()) << box.shown[0].text;
}

TEST_F(RunValue, ErrorsComeFromTheSystem) {
    RegKey key = 0;
    ASSERT_EQ(registry.RegCreateKeyExA(HKEY_CURRENT_USER_, RunKeyPath, 0, "", 0, KEY_WRITE_, &key), 0);
    EXPECT_EQ(registry.RegDeleteValueA(key, program.name), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(registry.RegCloseKey(key), 0);
    EXPECT_NE(registry.RegCloseKey(key), 0);  // no longer open

    const std::string text = registry.ErrorText(ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_EQ(registry.ErrorText(0x7FFFABCD), "Error 2147462093");
}

}  // namespace
}  // namespace tarnvel::platform::win32
