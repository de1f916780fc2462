#pragma once
// Keeping a window above all other windows of the desktop (SetWindowPos with HWND_TOPMOST or
// HWND_NOTOPMOST, without moving or sizing it).

#include "platform/window.h"

namespace tarnvel::platform {

void SetTopMost(Window& w, bool on);
bool TopMost(const Window& w);

}  // namespace tarnvel::platform
