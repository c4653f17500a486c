#pragma once
#include "launch/GoneWorker.h"
#include "win32/Win32Api.h"

namespace veskor::gui {

// Posted to the window by the gone checks' thread: lParam is a GoneBatch made with new,
// which the window then owns. A batch whose window is gone is never posted.
constexpr UINT GoneAnsweredMessage = WM_APP + 0x21;

// What the gone checks' thread needs on Windows (GoneWorker.h): a platform object of its
// own, so that no cache of it is shared with the window's thread, and with it a COM
// apartment of its own, where the shell-link objects live and which no call of theirs
// leaves; background mode as it begins; its batches posted to `window`, never waited for.
GoneWorker::Host GoneThreadHost(HWND window);

}  // namespace veskor::gui
