// Drives the built calendar from outside, as a user and the desktop would, and prints what it
// saw as key=value lines for tests/wine/program_test:
//   tarnvel_probe PROGRAM.exe
// Starts the program, waits for its strip window (class TarnvelWindow) to be visible and to
// stay in place, reads the titles of its windows, starts it a second time (that start must end at once without a window of
// its own), then opens the notification icon's menu with a right click on the icon and
// chooses "E&xit" by its access key.

#include <windows.h>
#include <oleacc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/tests/accessible_client.h"

namespace {

using tarnvel::platform::test::Id;
using tarnvel::platform::test::Take;

using Clock = std::chrono::steady_clock;

struct Search {
    DWORD pid;
    const wchar_t* cls;
    std::vector<HWND> found;
};

BOOL CALLBACK Visit(HWND h, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    wchar_t cls[64] = {};
    GetClassNameW(h, cls, 64);
    if (pid == s->pid && std::wstring(cls) == s->cls) s->found.push_back(h);
    return TRUE;
}

// The top-level windows of the process and class, shown or hidden.
std::vector<HWND> Windows(DWORD pid, const wchar_t* cls) {
    Search s{pid, cls, {}};
    EnumWindows(&Visit, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND VisibleWindow(DWORD pid, const wchar_t* cls) {
    for (HWND h : Windows(pid, cls))
        if (IsWindowVisible(h)) return h;
    return nullptr;
}

std::string Utf8(const wchar_t* text, int n) {
    char utf8[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, n, utf8, sizeof utf8 - 1, nullptr, nullptr);
    return utf8;
}

// The titles of the program's windows (with `shown`, only the visible ones), in alphabetical
// order, joined by '|'.
std::string WindowTitles(DWORD pid, bool shown = false) {
    std::vector<std::string> titles;
    for (HWND h : Windows(pid, L"TarnvelWindow")) {
        wchar_t title[256] = {};
        if (!shown || IsWindowVisible(h)) titles.push_back(Utf8(title, GetWindowTextW(h, title, 256)));
    }
    std::sort(titles.begin(), titles.end());
    std::string joined;
    for (const auto& title : titles) joined += (joined.empty() ? "" : "|") + title;
    return joined;
}

template <class F>
bool WaitFor(F done, int ms) {
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (Clock::now() > end) return false;
        Sleep(10);
    }
    return true;
}

bool Start(const std::wstring& program, PROCESS_INFORMATION& pi) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring command = L"\"" + program + L"\"";
    return CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi) !=
           FALSE;
}

const char* RoleName(LONG role) {
    return role == ROLE_SYSTEM_STATICTEXT ? "text" : role == ROLE_SYSTEM_LINK ? "link"
           : role == ROLE_SYSTEM_PUSHBUTTON ? "button" : "other";
}

// What a screen reader in another process reads of the window's client area, as
// "name:role" joined by '|'; with `action`, the child of that name then gets its default action.
std::string ReadAloud(HWND w, const std::string& action, HRESULT& acted) {
    acted = E_FAIL;
    void* p = nullptr;
    if (FAILED(AccessibleObjectFromWindow(w, OBJID_CLIENT, __uuidof(IAccessible), &p))) return "no object";
    auto* acc = static_cast<IAccessible*>(p);
    long n = 0;
    acc->get_accChildCount(&n);
    std::string out;
    for (LONG i = 1; i <= n; ++i) {
        BSTR name = nullptr;
        VARIANT role;
        VariantInit(&role);
        acc->get_accName(Id(i), &name);
        acc->get_accRole(Id(i), &role);
        const std::wstring wide = Take(name);
        const std::string text = Utf8(wide.c_str(), static_cast<int>(wide.size()));
        out += (out.empty() ? "" : "|") + text + ":" + RoleName(role.vt == VT_I4 ? role.lVal : 0);
        if (text == action) acted = acc->accDoDefaultAction(Id(i));
    }
    acc->Release();
    return out;
}

int Fail(const char* what) {
    std::printf("error=%s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return Fail("usage: tarnvel_probe PROGRAM.exe");
    const std::string arg = argv[1];
    const std::wstring program(arg.begin(), arg.end());

    PROCESS_INFORMATION first{};
    const auto started = Clock::now();
    if (!Start(program, first)) return Fail("the program did not start");
    HWND strip = nullptr;
    if (!WaitFor([&] { return (strip = VisibleWindow(first.dwProcessId, L"TarnvelWindow")) != nullptr; }, 60000))
        return Fail("no visible strip window within 60 s");
    const auto shown = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count();
    std::printf("startup_ms=%lld\n", static_cast<long long>(shown));

    // The strip may still be moving into place: take its place once it held for half a second.
    RECT r{}, last{};
    GetWindowRect(strip, &last);
    for (int still = 0, i = 0; still < 50 && i < 1000; ++i) {
        Sleep(10);
        GetWindowRect(strip, &r);
        still = EqualRect(&r, &last) ? still + 1 : 0;
        last = r;
    }
    std::printf("strip=%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    std::printf("screen=%d %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    std::printf("titles=%s\n", WindowTitles(first.dwProcessId).c_str());
    std::fflush(stdout);

    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HRESULT acted = E_FAIL;
    std::printf("accessible=%s\n", ReadAloud(strip, "More Information", acted).c_str());
    const auto reader_shown = [&] {
        return WindowTitles(first.dwProcessId, true).find("Tarnvel Reader") != std::string::npos;
    };
    std::printf("more_information=%s\n", SUCCEEDED(acted) && WaitFor(reader_shown, 10000) ? "reader shown" : "no reader");
    std::fflush(stdout);

    PROCESS_INFORMATION second{};
    if (!Start(program, second)) return Fail("the second start did not start");
    const bool second_ended = WaitForSingleObject(second.hProcess, 20000) == WAIT_OBJECT_0;
    DWORD second_status = 259;
    GetExitCodeProcess(second.hProcess, &second_status);
    std::printf("second_start=%s status %lu\n", second_ended ? "ended" : "still running", second_status);
    std::printf("strips=%d\n", VisibleWindow(first.dwProcessId, L"TarnvelWindow") ? 1 : 0);
    if (!second_ended) TerminateProcess(second.hProcess, 1);
    std::fflush(stdout);

    // A right click on the icon where Wine shows it without a desktop tray: its own small
    // "Wine System Tray" window, the first icon at the left. The shell then sends the strip
    // the callback message the icon's record names, to the window the record names.
    const HWND tray = FindWindowW(nullptr, L"Wine System Tray");
    RECT t{};  // the icons' area, in screen pixels
    if (tray && IsWindowVisible(tray)) {
        GetClientRect(tray, &t);
        MapWindowPoints(tray, nullptr, reinterpret_cast<POINT*>(&t), 2);
    }
    std::printf("tray=%ld %ld %ld %ld\n", t.left, t.top, t.right - t.left, t.bottom - t.top);
    const auto menu_open = [&] { return VisibleWindow(first.dwProcessId, L"#32768") != nullptr; };
    bool menu = false;
    int clicks = 0;
    // The pointer moves onto the icon first, as a user's would: a shell that has not seen it
    // arrive there may take the click for somewhere else.
    const LONG x = t.left + (t.bottom - t.top) / 2, y = t.top + (t.bottom - t.top) / 2;
    for (int attempt = 0; tray && !menu && attempt < 3; ++attempt) {
        INPUT input[3] = {};
        for (INPUT& i : input) i.type = INPUT_MOUSE;
        input[0].mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input[0].mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        input[1].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
        input[2].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
        SendInput(1, &input[0], sizeof(INPUT));
        Sleep(300);
        SendInput(2, &input[1], sizeof(INPUT));
        ++clicks;
        menu = WaitFor(menu_open, 4000);
    }
    std::printf("menu=%s\nclicks=%d\n", menu ? "open" : "not seen", clicks);
    // The menu runs its own loop on the program's thread, which takes keyboard messages from
    // that thread's queue.
    PostMessageW(strip, WM_CHAR, 'x', 0);
    const bool ended = WaitForSingleObject(first.hProcess, 20000) == WAIT_OBJECT_0;
    DWORD status = 259;
    GetExitCodeProcess(first.hProcess, &status);
    std::printf("exit=%s status %lu\n", ended ? "ended" : "still running", status);
    if (!ended) TerminateProcess(first.hProcess, 1);
    return 0;
}
