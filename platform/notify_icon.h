#pragma once
// The notification-area icon, reached through one call shaped like Shell_NotifyIconA:
// a message and the whole icon record in its 88-byte 32-bit layout. A 64-bit Windows
// build lays the same fields out in the 64-bit record before passing them on.

#include <array>
#include <cstdint>

namespace tarnvel::platform {

inline constexpr std::uint32_t NIM_ADD_ = 0;
inline constexpr std::uint32_t NIM_MODIFY_ = 1;
inline constexpr std::uint32_t NIM_DELETE_ = 2;
inline constexpr std::uint32_t NIF_MESSAGE_ = 1;
inline constexpr std::uint32_t NIF_ICON_ = 2;
inline constexpr std::uint32_t NIF_TIP_ = 4;

// cbSize, hWnd, uID, uFlags, uCallbackMessage, hIcon (32-bit little-endian each), szTip[64].
using NotifyIconRecord = std::array<std::uint8_t, 88>;

class NotifyIcon {
public:
    virtual ~NotifyIcon() = default;
    // Adds, changes or deletes the icon the record describes; false when the
    // desktop refused or has no notification area.
    virtual bool Shell_NotifyIconA(std::uint32_t message, const NotifyIconRecord& record) = 0;
    // Whether the desktop has a notification area at this moment; false on any doubt.
    virtual bool AreaAvailable() const = 0;
};

}  // namespace tarnvel::platform
