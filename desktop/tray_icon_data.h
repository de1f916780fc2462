#pragma once
// The notification icon's record, kept between calls and laid out whole for each.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/notify_icon.h"

namespace tarnvel {

inline constexpr std::uint32_t TrayCallbackMessage = 2025;

struct TrayIconRecord {
    std::uint32_t cbSize = 0;
    std::uintptr_t hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    std::uintptr_t hIcon = 0;
    std::string szTip;  // 8-bit, at most 63 characters: the field's NUL always fits

    // Places UTF-8 text in the tooltip field, cut to 63 characters; a character
    // the 8-bit code page cannot hold becomes '?'.
    void SetTip(std::string_view utf8);
    // The 88-byte 32-bit layout; the tip, one NUL, then spaces to the end of the field.
    platform::NotifyIconRecord Bytes() const;
};

}  // namespace tarnvel
