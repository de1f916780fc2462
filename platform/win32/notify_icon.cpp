// The notification icon on Shell_NotifyIconA, added again whenever the desktop's shell
// (re)creates its taskbar.

#include <optional>

#include "platform/win32/hidden_window.h"
#include "platform/win32/notify_record.h"
#include "platform/win32/services.h"

namespace tarnvel::platform::win32 {
namespace {

constexpr const wchar_t* kWatchClass = L"TarnvelTaskbarWatch";

class Win32NotifyIcon final : public NotifyIcon {
public:
    Win32NotifyIcon() : taskbar_created_(RegisterWindowMessageW(L"TaskbarCreated")) {
        // The shell broadcasts "TaskbarCreated" to top-level windows only.
        watch_ = CreateHiddenWindow(kWatchClass, &WatchProc, this);
    }
    ~Win32NotifyIcon() override {
        if (watch_) DestroyWindow(watch_);
    }
    Win32NotifyIcon(const Win32NotifyIcon&) = delete;
    Win32NotifyIcon& operator=(const Win32NotifyIcon&) = delete;

    bool Shell_NotifyIconA(std::uint32_t message, const NotifyIconRecord& record) override {
        NOTIFYICONDATAA n = NativeRecord(record);
        // Kept even when the shell refuses: at log-on the program may start before the
        // taskbar, which then announces itself and gets the icon.
        if (message == NIM_ADD) kept_ = n;
        else if (message == NIM_MODIFY && kept_) FoldChange(*kept_, n);
        else if (message == NIM_DELETE) kept_.reset();
        return ::Shell_NotifyIconA(message, &n) != FALSE;
    }

    // The desktop's taskbar, which holds the notification area. Under Wine (8.0) explorer.exe
    // creates a Shell_TrayWnd window in every prefix, with or without a virtual desktop, so
    // the area always counts as available: icons dock into the X desktop's tray where one
    // runs, and otherwise show in a small top-level window "Wine System Tray" (160 x 20 at
    // the screen's top-left under a bare Xvfb), where they can be clicked as well.
    bool AreaAvailable() const override { return FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr; }

private:
    static LRESULT CALLBACK WatchProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = static_cast<Win32NotifyIcon*>(HiddenWindowSelf(hwnd, msg, lp));
        if (self && msg == self->taskbar_created_ && msg != 0) {
            if (self->kept_) ::Shell_NotifyIconA(NIM_ADD, &*self->kept_);
            return 0;
        }
        return DefWindowProcW(hwnd, msg, wp, lp);
    }

    UINT taskbar_created_;
    HWND watch_ = nullptr;
    std::optional<NOTIFYICONDATAA> kept_;  // the icon as the shell should show it; empty once deleted
};

}  // namespace

std::unique_ptr<NotifyIcon> MakeNotifyIcon() { return std::make_unique<Win32NotifyIcon>(); }

}  // namespace tarnvel::platform::win32
