#pragma once
#include "win32/Win32Api.h"
// After windows.h, which it needs.
#include <commctrl.h>

#include "win32/SystemDlls.h"

// The common controls' subclassing, from the DLL that the manifest brought in with the
// first control.
namespace veskor::gui {

inline BOOL AddSubclass(HWND hwnd, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data)
{
    return VESKOR_SYSTEM_FUNCTION(L"comctl32.dll", SetWindowSubclass)(hwnd, procedure, id, data);
}

inline BOOL RemoveSubclass(HWND hwnd, SUBCLASSPROC procedure, UINT_PTR id)
{
    return VESKOR_SYSTEM_FUNCTION(L"comctl32.dll", RemoveWindowSubclass)(hwnd, procedure, id);
}

inline LRESULT DefSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return VESKOR_SYSTEM_FUNCTION(L"comctl32.dll", DefSubclassProc)(hwnd, msg, wParam, lParam);
}

}  // namespace veskor::gui
