#include "platform/fake/desktop_fakes.h"

#include <cerrno>
#include <stdexcept>
#include <utility>

namespace tarnvel::platform::fake {

std::string FakeSettingsStore::GetSetting(std::string_view application, std::string_view section,
                                          std::string_view key, std::string_view fallback) {
    log.push_back("get " + std::string(key));
    const auto it = values.find({std::string(application), std::string(section), std::string(key)});
    return it == values.end() ? std::string(fallback) : it->second;
}

StoreError FakeSettingsStore::SaveSetting(std::string_view application, std::string_view section,
                                          std::string_view key, std::string_view value) {
    log.push_back("save " + std::string(key) + "=" + std::string(value));
    if (failing_keys.count(std::string(key))) return {ENOSPC, "disk full saving " + std::string(key)};
    values[{std::string(application), std::string(section), std::string(key)}] = value;
    return {};
}

long FakeRegistry::RegCreateKeyExA(RegKey root, std::string_view subkey, std::uint32_t reserved,
                                   std::string_view cls, std::uint32_t options, std::uint32_t access,
                                   RegKey* result) {
    calls.push_back("create " + std::to_string(root) + " " + std::string(subkey) + " " + std::to_string(reserved) +
                    " " + std::string(cls) + " " + std::to_string(options) + " " + std::to_string(access));
    if (create_result != 0) return create_result;
    *result = 42;
    open_keys.insert(42);
    return 0;
}

long FakeRegistry::RegSetValueExA(RegKey key, std::string_view name, std::uint32_t reserved, std::uint32_t type,
                                  std::string_view data, std::uint32_t length) {
    calls.push_back("set " + std::to_string(key) + " " + std::string(name) + " " + std::to_string(reserved) + " " +
                    std::to_string(type) + " " + std::to_string(length));
    if (throw_on_set) throw std::runtime_error("Out of memory");
    if (set_result != 0) return set_result;
    values[std::string(name)] = std::string(data.substr(0, length));
    return 0;
}

long FakeRegistry::RegDeleteValueA(RegKey key, std::string_view name) {
    calls.push_back("delete " + std::to_string(key) + " " + std::string(name));
    return values.erase(std::string(name)) ? 0 : 2;
}

long FakeRegistry::RegCloseKey(RegKey key) {
    calls.push_back("close " + std::to_string(key));
    return open_keys.erase(key) ? 0 : 6;
}

std::string FakeRegistry::ErrorText(long code) const { return "system text for " + std::to_string(code); }

bool FakeDateWatch::Start(std::function<void()> changed) {
    ++starts;
    changed_ = available ? std::move(changed) : nullptr;
    return available;
}

void FakeDateWatch::Stop() {
    ++stops;
    changed_ = nullptr;
}

bool FakeDateWatch::Fire() {
    if (!changed_) return false;
    const auto changed = changed_;  // a copy: the call may stop or restart the watch
    changed();
    return true;
}

WndProc FakeWindowMessages::SetWindowLongA(WindowHandle hWnd, int index, WndProc proc) {
    log.push_back("SetWindowLong " + std::to_string(hWnd) + " " + std::to_string(index) +
                  (proc == &DefaultProc ? " default" : ""));
    const auto it = procs.find(hWnd);
    if (it == procs.end() || index != GWL_WNDPROC_) return nullptr;
    return std::exchange(it->second, proc);
}

LRESULT_ FakeWindowMessages::CallWindowProcA(WndProc prev, WindowHandle hWnd, std::uint32_t uMsg, WPARAM_ wParam,
                                             LPARAM_ lParam) {
    log.push_back("CallWindowProc " + std::string(prev == &DefaultProc ? "default " : "other ") +
                  std::to_string(uMsg) + " " + std::to_string(wParam) + " " + std::to_string(lParam));
    return prev ? prev(hWnd, uMsg, wParam, lParam) : 0;
}

bool FakeWindowMessages::SetForegroundWindow(WindowHandle hWnd) {
    log.push_back("SetForegroundWindow " + std::to_string(hWnd));
    return true;
}

bool FakeWindowMessages::PostMessageA(WindowHandle hWnd, std::uint32_t uMsg, WPARAM_ wParam, LPARAM_ lParam) {
    log.push_back("PostMessage " + std::to_string(hWnd) + " " + std::to_string(uMsg) + " " + std::to_string(wParam) +
                  " " + std::to_string(lParam));
    return procs.count(hWnd) != 0;
}

LRESULT_ FakeWindowMessages::Send(WindowHandle hWnd, std::uint32_t uMsg, WPARAM_ wParam, LPARAM_ lParam) {
    const auto it = procs.find(hWnd);
    return it == procs.end() ? 0 : it->second(hWnd, uMsg, wParam, lParam);
}

}  // namespace tarnvel::platform::fake
