#pragma once
#include "win32/Win32Api.h"

// Pixels per inch, as this process sees them (it declares itself aware of every monitor's own).
namespace veskor::win32 {

// The DPI of the monitor that shows `hwnd`; 0 on systems before Windows 10, which lack
// GetDpiForWindow (looked up at run time, in user32, which is loaded anyway).
int DpiOfWindow(HWND hwnd);

// The screen's one DPI, as systems before per-monitor DPI have it; 96 when it cannot be read.
int ScreenDpi();

}  // namespace veskor::win32
