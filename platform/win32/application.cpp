#include "platform/application.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <algorithm>

#include "platform/system_date_watch.h"
#include "platform/win32/convert.h"
#include "platform/win32/pictures.h"
#include "platform/win32/services.h"
#include "platform/system_world.h"
#include "platform/win32/window_impl.h"

namespace tarnvel::platform {

namespace {

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// Handles every queued message; false when the main loop was asked to end (the request is
// queued again for the loop that waits for it).
bool Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

// The main thread's COM apartment, for the program's life: what a screen reader's
// WM_GETOBJECT is answered through (platform/win32/accessible.h).
class ComApartment {
public:
    ComApartment() : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (joined_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool joined_;
};

}  // namespace

struct Application::Impl {
    ComApartment com;  // first: it ends after everything else has let go of its objects
    SystemWorld system;
    std::unique_ptr<World> world;
    std::unique_ptr<NotifyIcon> notify;
    std::unique_ptr<WindowMessages> messages;
    std::unique_ptr<DateWatch> date_watch;
};

Application::Application() : impl_(std::make_unique<Impl>()) {}
Application::~Application() = default;

std::unique_ptr<Application> Application::Start(int&, char**, std::string& error) {
    // Positions and sizes are the screen's own pixels, also on a screen scaled above 96 DPI.
    SetProcessDPIAware();
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    if (!InitCommonControlsEx(&icc)) {
        error = ProgramName() + ": the common controls cannot be started";
        return nullptr;
    }
    // The rich-text control's class RICHEDIT50W.
    if (!LoadLibraryW(L"Msftedit.dll")) {
        error = ProgramName() + ": the rich-text control (Msftedit.dll) cannot be loaded";
        return nullptr;
    }
    win32::StartPictures();
    win32::RegisterWindowClass();
    std::unique_ptr<Application> a(new Application);
    a->impl_->world = std::make_unique<World>(a->impl_->system.world());
    a->impl_->notify = win32::MakeNotifyIcon();
    a->impl_->messages = win32::MakeWindowMessages();
    a->impl_->date_watch = MakeSystemDateWatch();
    return a;
}

int Application::Run() {
    MSG msg;
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(msg.wParam);
        if (got < 0) return 1;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Application::Quit(int status) { PostQuitMessage(status); }

void Application::ProcessEvents(int ms) {
    WaitFor([] { return false; }, ms);
}

bool Application::WaitFor(const std::function<bool()>& done, int timeout_ms) {
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        if (done()) return true;
        const ULONGLONG elapsed = GetTickCount64() - start;
        if (elapsed >= static_cast<ULONGLONG>(timeout_ms)) return false;
        if (!Pump()) return done();
        // Wakes for the next message or after a short while, to ask `done` again.
        const DWORD wait = static_cast<DWORD>(std::min<ULONGLONG>(5, static_cast<ULONGLONG>(timeout_ms) - elapsed));
        MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

std::string Application::ProgramFolder() {
    const std::wstring path = ModulePath();
    const auto slash = path.find_last_of(L"\\/");
    return win32::Narrow(slash == std::wstring::npos ? std::wstring_view() : std::wstring_view(path).substr(0, slash));
}

std::string Application::ProgramName() {
    std::wstring name = ModulePath();
    if (const auto slash = name.find_last_of(L"\\/"); slash != std::wstring::npos) name.erase(0, slash + 1);
    if (const auto dot = name.find_last_of(L'.'); dot != std::wstring::npos && dot > 0) name.erase(dot);
    return win32::Narrow(name);
}

std::string Application::PlatformName() { return "windows"; }

World& Application::world() { return *impl_->world; }
NotifyIcon& Application::notify_icon() { return *impl_->notify; }
WindowMessages& Application::window_messages() { return *impl_->messages; }
DateWatch& Application::date_watch() { return *impl_->date_watch; }

}  // namespace tarnvel::platform
