#include "platform/system_world.h"
#include "platform/win32/system_world.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/convert.h"

namespace tarnvel::platform {

using win32::Narrow;
using win32::ScreenFactors;
using win32::Wide;

// The user's locale is asked at each call; nothing is kept.
struct SystemClock::Cache {};
SystemClock::SystemClock() = default;
SystemClock::~SystemClock() = default;

Date SystemClock::Today() const {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay};
}

namespace {

struct FontSearch {
    const std::wstring* name;
    bool found = false;
};

// Stops at the first family of exactly that name; a substitute offered for it does not count.
int CALLBACK EachFont(const LOGFONTW* f, const TEXTMETRICW*, DWORD, LPARAM p) {
    auto* s = reinterpret_cast<FontSearch*>(p);
    if (CompareStringOrdinal(f->lfFaceName, -1, s->name->c_str(), -1, TRUE) == CSTR_EQUAL) s->found = true;
    return s->found ? 0 : 1;
}

}  // namespace

std::string SystemClock::LongMonthName(int month) const {
    if (month < 1 || month > 12) return {};
    wchar_t name[80];
    const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + month - 1), name,
                                  static_cast<int>(std::size(name)));
    if (n <= 1) return {};
    return Narrow(std::wstring_view(name, static_cast<std::size_t>(n - 1)));
}

std::optional<PixelPoint> SystemPointer::Position() const {
    POINT p;
    if (!GetCursorPos(&p)) return std::nullopt;
    return PixelPoint{p.x, p.y};
}

PixelSize SystemScreen::Size() const { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

TwipsPerPixel SystemScreen::Factors() const { return ScreenFactors(); }

std::wstring win32::QuoteArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) return argument;
    // The rules every program's start-up code reads a command line with: backslashes count only
    // in front of a quote.
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    out += L'"';
    return out;
}

bool SystemLauncher::StartProgram(const std::string& program, const std::string& argument, WindowStyle style) {
    const std::wstring path = Wide(program);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    std::wstring command = win32::QuoteArgument(path) + L" " + win32::QuoteArgument(Wide(argument));
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = style == WindowStyle::MaximizedFocus ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

bool SystemLauncher::OpenUrl(const std::string& url) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", Wide(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;  // smaller values are the function's error codes
}

bool SystemMessageDialog::Show(const std::string& text, const std::string& title) {
    return MessageBoxW(GetActiveWindow(), Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_ICONINFORMATION) != 0;
}

bool SystemFonts::Installed(std::string_view family) const {
    const std::wstring name = Wide(family);
    if (name.empty() || name.size() >= LF_FACESIZE) return false;
    // Every family is listed and compared without regard to case, as the system matches names:
    // asked for one face, Wine lists it only when the case matches.
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    FontSearch search{&name};
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &lf, EachFont, reinterpret_cast<LPARAM>(&search), 0);
    ReleaseDC(nullptr, dc);
    return search.found;
}

}  // namespace tarnvel::platform
