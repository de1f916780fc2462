#include "desktop/tray_icon_data.h"

#include <algorithm>

namespace tarnvel {
namespace {

void put32(platform::NotifyIconRecord& r, std::size_t at, std::uint64_t v) {
    for (std::size_t i = 0; i < 4; ++i) r[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

void TrayIconRecord::SetTip(std::string_view utf8) {
    szTip.clear();
    for (std::size_t i = 0; i < utf8.size() && szTip.size() < 63; ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) szTip += b == 0 ? '?' : static_cast<char>(b);
        else if (b >= 0xC0) szTip += '?';  // the lead byte of a character; its continuation bytes add nothing
    }
}

platform::NotifyIconRecord TrayIconRecord::Bytes() const {
    platform::NotifyIconRecord r{};
    put32(r, 0, cbSize);
    put32(r, 4, hWnd);
    put32(r, 8, uID);
    put32(r, 12, uFlags);
    put32(r, 16, uCallbackMessage);
    put32(r, 20, hIcon);
    const std::size_t n = std::min<std::size_t>(szTip.size(), 63);
    for (std::size_t i = 0; i < n; ++i) r[24 + i] = static_cast<std::uint8_t>(szTip[i]);
    r[24 + n] = 0;
    for (std::size_t i = n + 1; i < 64; ++i) r[24 + i] = ' ';
    return r;
}

}  // namespace tarnvel
