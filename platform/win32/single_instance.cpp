// One calendar per user on Windows: a named mutex held while the first start runs, and a
// hidden window of the first start that a later start asks to come forward.
//
// The mutex lives in the session's namespace ("Local\"), which belongs to the one user
// logged on in that session. A mutex whose holder ended without releasing it (a crash) is
// abandoned while another process still holds a handle to it; the next claim then owns it
// at once (WAIT_ABANDONED) and takes over. With no handle left the mutex is gone, and the
// next start creates it anew.

#include "platform/single_instance.h"

#include <windows.h>

#include "platform/win32/convert.h"
#include "platform/win32/hidden_window.h"

namespace tarnvel::platform {
namespace {

constexpr const wchar_t* kWindowClass = L"TarnvelInstance";
// The window proves it is the first start's by answering the request with this.
constexpr LRESULT kCameForward = 0x7A4E;

struct Names {
    std::wstring mutex;
    std::wstring window;   // the hidden window's title: the class is shared by every claim name
    std::wstring message;  // the registered request
};

Names names_of(const std::string& name) {
    const std::wstring w = win32::Wide(name);
    return {L"Local\\" + w + L"-instance", L"Tarnvel instance " + w, L"TarnvelComeForward-" + w};
}

struct Receiver {
    UINT request = 0;
    std::function<void()> on_second_start;
};

LRESULT CALLBACK ReceiverProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const auto* r = static_cast<const Receiver*>(win32::HiddenWindowSelf(hwnd, msg, lp));
    if (r && r->request != 0 && msg == r->request) {
        if (r->on_second_start) r->on_second_start();
        return kCameForward;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// Asks the first start's window to come forward; false when there is none yet or it did not answer.
bool ask_to_come_forward(const Names& n, UINT request) {
    // A hidden top-level window rather than a message-only one, which FindWindow does not see.
    const HWND first = FindWindowW(kWindowClass, n.window.c_str());
    if (!first) return false;
    DWORD pid = 0;
    GetWindowThreadProcessId(first, &pid);
    AllowSetForegroundWindow(pid);  // the first start may then bring its windows to the front
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(first, request, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) != 0 &&
           answer == static_cast<DWORD_PTR>(kCameForward);
}

bool owned(DWORD wait) { return wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED; }

}  // namespace

struct SingleInstance::Impl {
    HANDLE mutex = nullptr;
    HWND window = nullptr;
    Receiver receiver;
    ~Impl() {
        if (window) DestroyWindow(window);
        if (mutex) {
            ReleaseMutex(mutex);
            CloseHandle(mutex);
        }
    }
};

SingleInstance::SingleInstance() : impl_(std::make_unique<Impl>()) {}
SingleInstance::~SingleInstance() = default;

std::unique_ptr<SingleInstance> SingleInstance::Claim(const std::string& name, std::function<void()> on_second_start,
                                                      Outcome& outcome) {
    const Names n = names_of(name);
    const UINT request = RegisterWindowMessageW(n.message.c_str());
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, n.mutex.c_str());
    if (!mutex) {
        outcome = Outcome::NoAnswer;
        return nullptr;
    }
    // The first process to own the mutex is the first start; a holder that is starting up may
    // not have its window yet, so a later start keeps asking for a few seconds.
    bool mine = owned(WaitForSingleObject(mutex, 0));
    for (int i = 0; !mine && i < 50; ++i) {
        if (ask_to_come_forward(n, request)) {
            CloseHandle(mutex);
            outcome = Outcome::Forwarded;
            return nullptr;
        }
        mine = owned(WaitForSingleObject(mutex, 100));  // the holder ended meanwhile
    }
    if (!mine) {
        CloseHandle(mutex);
        outcome = Outcome::NoAnswer;
        return nullptr;
    }

    std::unique_ptr<SingleInstance> claim(new SingleInstance);
    Impl& d = *claim->impl_;
    d.mutex = mutex;
    d.receiver = {request, std::move(on_second_start)};
    d.window = win32::CreateHiddenWindow(kWindowClass, &ReceiverProc, &d.receiver, n.window.c_str());
    outcome = Outcome::First;
    return claim;
}

}  // namespace tarnvel::platform
