#pragma once
// The desktop's icon record (platform/notify_icon.h: the 88-byte 32-bit layout) laid into
// this build's NOTIFYICONDATAA, and what the shell holds of the icon between calls.

#include <windows.h>

#include <shellapi.h>

#include "platform/notify_icon.h"

namespace tarnvel::platform::win32 {

// The first version's size of the native record: 88 bytes in a 32-bit build, 104 in a
// 64-bit one (pointer-sized handles, aligned to 8). Shell_NotifyIconA reads no further.
inline constexpr DWORD NotifyRecordSize = NOTIFYICONDATAA_V1_SIZE;

// The record's fields in the native layout with cbSize the first version's size. Window and
// icon handles carry 32 significant bits, which a 64-bit build sign-extends as Windows
// does for handles shared with 32-bit programs. The tooltip is the field's text up to its
// first NUL, at most 63 characters; the native field is NUL-terminated and zero after it.
NOTIFYICONDATAA NativeRecord(const NotifyIconRecord& record);

// Folds a NIM_MODIFY into the icon as last added: each field that `change`'s flags name
// replaces the kept one and its flag joins the kept flags, so that adding `kept` again
// shows the icon as it is now.
void FoldChange(NOTIFYICONDATAA& kept, const NOTIFYICONDATAA& change);

}  // namespace tarnvel::platform::win32
