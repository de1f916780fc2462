#pragma once
// Recording fakes of the settings store, the registry, the program's identity, the
// notification area, window procedures and the date watch.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/date_watch.h"
#include "platform/notify_icon.h"
#include "platform/program.h"
#include "platform/registry.h"
#include "platform/settings_store.h"
#include "platform/window_proc.h"

namespace tarnvel::platform::fake {

class FakeSettingsStore final : public SettingsStore {
public:
    // (application, section, key) -> value
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
    std::vector<std::string> log;  // "get KEY" / "save KEY=VALUE", in order
    std::set<std::string> failing_keys;  // saves of these fail with ENOSPC

    std::string GetSetting(std::string_view application, std::string_view section, std::string_view key,
                           std::string_view fallback) override;
    StoreError SaveSetting(std::string_view application, std::string_view section, std::string_view key,
                           std::string_view value) override;
};

class FakeRegistry final : public Registry {
public:
    std::vector<std::string> calls;  // each call with its arguments, in order
    std::map<std::string, std::string> values;  // value name -> data, NUL included
    long create_result = 0;  // answers of the calls; 0 = success
    long set_result = 0;
    bool throw_on_set = false;  // a run-time error inside the routine
    std::set<RegKey> open_keys;

    long RegCreateKeyExA(RegKey root, std::string_view subkey, std::uint32_t reserved, std::string_view cls,
                         std::uint32_t options, std::uint32_t access, RegKey* result) override;
    long RegSetValueExA(RegKey key, std::string_view name, std::uint32_t reserved, std::uint32_t type,
                        std::string_view data, std::uint32_t length) override;
    long RegDeleteValueA(RegKey key, std::string_view name) override;
    long RegCloseKey(RegKey key) override;
    std::string ErrorText(long code) const override;
};

class FakeProgram final : public ProgramIdentity {
public:
    std::string folder = "/opt/tarnvel";
    std::string name = "tarnvel";
    std::string AppPath() const override { return folder; }
    std::string ExeName() const override { return name; }
};

class FakeNotifyIcon final : public NotifyIcon {
public:
    struct Call {
        std::uint32_t message;
        NotifyIconRecord record;
    };
    std::vector<Call> calls;
    bool available = true;

    bool Shell_NotifyIconA(std::uint32_t message, const NotifyIconRecord& record) override {
        calls.push_back({message, record});
        return available;
    }
    bool AreaAvailable() const override { return available; }
};

// A date watch that wakes only when the test says the date may have moved.
class FakeDateWatch final : public DateWatch {
public:
    bool available = true;  // false: Start fails, as where the system has no such wake-up
    int starts = 0, stops = 0;  // every call, also the refused ones

    bool Start(std::function<void()> changed) override;
    void Stop() override;
    bool Started() const override { return static_cast<bool>(changed_); }
    // The system's wake-up (midnight, a clock or zone change, a resume): calls what Start
    // was given; false, calling nothing, when the watch is not started.
    bool Fire();

private:
    std::function<void()> changed_;
};

// Procedures by window; the first procedure of a window is the default one,
// which answers every message with DefaultResult and records it.
class FakeWindowMessages final : public WindowMessages {
public:
    static constexpr LRESULT_ DefaultResult = 77;
    std::map<WindowHandle, WndProc> procs;
    std::vector<std::string> log;  // calls in order, with their arguments
    static LRESULT_ TARNVEL_CALLBACK DefaultProc(WindowHandle, std::uint32_t, WPARAM_, LPARAM_) { return DefaultResult; }

    WndProc SetWindowLongA(WindowHandle hWnd, int index, WndProc proc) override;
    LRESULT_ CallWindowProcA(WndProc prev, WindowHandle hWnd, std::uint32_t uMsg, WPARAM_ wParam,
                             LPARAM_ lParam) override;
    bool SetForegroundWindow(WindowHandle hWnd) override;
    bool PostMessageA(WindowHandle hWnd, std::uint32_t uMsg, WPARAM_ wParam, LPARAM_ lParam) override;
    // Delivers a message to the window's current procedure, as the platform does.
    LRESULT_ Send(WindowHandle hWnd, std::uint32_t uMsg, WPARAM_ wParam, LPARAM_ lParam);
};

}  // namespace tarnvel::platform::fake
