#include "platform/win32/system_error_text.h"

#include <windows.h>

#include <iterator>

#include "platform/win32/convert.h"

namespace tarnvel::platform::win32 {

std::string SystemErrorText(long code) {
    wchar_t buffer[512];
    DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             static_cast<DWORD>(code), 0, buffer, static_cast<DWORD>(std::size(buffer)), nullptr);
    while (n > 0 && (buffer[n - 1] == L'\r' || buffer[n - 1] == L'\n' || buffer[n - 1] == L' ')) --n;
    if (n == 0) return "Error " + std::to_string(code);
    return Narrow(std::wstring_view(buffer, n));
}

}  // namespace tarnvel::platform::win32
