#include "win32/Dpi.h"
#include "win32/SystemDlls.h"
#include "win32/SystemText.h"
#include "win32/Win32Platform.h"

namespace veskor {

namespace {

Rect ToRect(const RECT& r)
{
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right), static_cast<int>(r.bottom)};
}

// The monitor's pixels per inch as this process sees them (96 unless it is DPI-aware).
// When the main window is on that monitor, its own DPI answers: GetDpiForMonitor would
// load shcore for it, which costs the start a few milliseconds. Both are looked up at run
// time: systems before Windows 10 lack the first, before Windows 8.1 the second.
int MonitorDpi(HMONITOR monitor, HWND mainWindow)
{
    if (monitor && mainWindow && MonitorFromWindow(mainWindow, MONITOR_DEFAULTTONEAREST) == monitor) {
        if (const int dpi = win32::DpiOfWindow(mainWindow); dpi > 0)
            return dpi;
    }
    using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    try {
        const auto getDpi = reinterpret_cast<GetDpiForMonitorFunction>(
            reinterpret_cast<void*>(win32::SystemProc(L"shcore.dll", "GetDpiForMonitor")));
        UINT dpiX = 0;
        UINT dpiY = 0;
        if (monitor && SUCCEEDED(getDpi(monitor, 0, &dpiX, &dpiY)) && dpiY > 0)
            return static_cast<int>(dpiY);
    } catch (const Error&) {
        // No such DLL or function: the screen's DPI below.
    }
    return win32::ScreenDpi();
}

}  // namespace

Point Win32Platform::CursorPosition()
{
    POINT position{};
    if (!GetCursorPos(&position))
        throw win32::OsError(GetLastError());
    return {static_cast<int>(position.x), static_cast<int>(position.y)};
}

// The monitor under the pointer, so that a window opened on a second monitor stays there.
MonitorArea Win32Platform::MonitorAt(Point point)
{
    MonitorArea area;
    const HMONITOR monitor = MonitorFromPoint(POINT{point.x, point.y}, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (monitor && GetMonitorInfoA(monitor, &info)) {
        area.monitor = ToRect(info.rcMonitor);
        area.work = ToRect(info.rcWork);
    } else {
        RECT work{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        area.work = ToRect(work);
        area.monitor = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    area.dpi = MonitorDpi(monitor, mainWindow_);
    return area;
}

void Win32Platform::LogOff()
{
    ExitWindowsEx(EWX_LOGOFF, 0);
}

}  // namespace veskor
