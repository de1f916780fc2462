#include "platform/win32/notify_record.h"

#include <cstring>

namespace tarnvel::platform::win32 {
namespace {

std::uint32_t field(const NotifyIconRecord& r, std::size_t at) {
    return static_cast<std::uint32_t>(r[at]) | static_cast<std::uint32_t>(r[at + 1]) << 8 |
           static_cast<std::uint32_t>(r[at + 2]) << 16 | static_cast<std::uint32_t>(r[at + 3]) << 24;
}

template <class Handle>
Handle handle(std::uint32_t v) {
    return reinterpret_cast<Handle>(static_cast<INT_PTR>(static_cast<std::int32_t>(v)));
}

constexpr std::size_t kTipAt = 24;
constexpr std::size_t kTipField = 64;

}  // namespace

NOTIFYICONDATAA NativeRecord(const NotifyIconRecord& record) {
    NOTIFYICONDATAA n;
    std::memset(&n, 0, sizeof n);
    n.cbSize = NotifyRecordSize;
    n.hWnd = handle<HWND>(field(record, 4));
    n.uID = field(record, 8);
    n.uFlags = field(record, 12);
    n.uCallbackMessage = field(record, 16);
    n.hIcon = handle<HICON>(field(record, 20));
    for (std::size_t i = 0; i < kTipField - 1 && record[kTipAt + i] != 0; ++i)
        n.szTip[i] = static_cast<char>(record[kTipAt + i]);
    return n;
}

void FoldChange(NOTIFYICONDATAA& kept, const NOTIFYICONDATAA& change) {
    if (change.uFlags & NIF_MESSAGE) kept.uCallbackMessage = change.uCallbackMessage;
    if (change.uFlags & NIF_ICON) kept.hIcon = change.hIcon;
    if (change.uFlags & NIF_TIP) std::memcpy(kept.szTip, change.szTip, sizeof kept.szTip);
    kept.uFlags |= change.uFlags & (NIF_MESSAGE | NIF_ICON | NIF_TIP);
}

}  // namespace tarnvel::platform::win32
