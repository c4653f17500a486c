#pragma once
#include "win32/Win32Api.h"
// After windows.h, which it needs.
#include <oleauto.h>

#include <string>

// The few functions of oleacc.dll and oleaut32.dll that the list's accessible object
// needs. They are loaded from the system folder on the first request of assistive
// technology, so that a start without any pays nothing for them.
namespace veskor::gui {

// LresultFromObject: what WM_GETOBJECT returns for `object`; 0 when it cannot be had.
LRESULT ResultFromObject(REFIID iid, WPARAM wParam, IUnknown* object);
// A BSTR holding `text` (the caller's to free, or COM's); nullptr when out of memory.
BSTR NewBstr(const std::wstring& text);
// The standard object of the window frame around `hwnd`'s client area.
HRESULT WindowObject(HWND hwnd, IDispatch** object);

}  // namespace veskor::gui
