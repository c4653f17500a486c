#include "gui/AccessLibrary.h"
// After windows.h, which it needs; only for the functions' types: oleacc.dll is not imported.
#include <oleacc.h>

#include "win32/SystemDlls.h"

namespace veskor::gui {

// Assistive technology that asks for what the system cannot give gets nothing, not an error box.

LRESULT ResultFromObject(REFIID iid, WPARAM wParam, IUnknown* object)
{
    const auto function = VESKOR_OPTIONAL_SYSTEM_FUNCTION(L"oleacc.dll", LresultFromObject);
    if (!function)
        return 0;
    const LRESULT result = function(iid, wParam, object);
    return result > 0 ? result : 0;
}

BSTR NewBstr(const std::wstring& text)
{
    const auto function = VESKOR_OPTIONAL_SYSTEM_FUNCTION(L"oleaut32.dll", SysAllocStringLen);
    return function ? function(text.data(), static_cast<UINT>(text.size())) : nullptr;
}

HRESULT WindowObject(HWND hwnd, IDispatch** object)
{
    const auto function = VESKOR_OPTIONAL_SYSTEM_FUNCTION(L"oleacc.dll", AccessibleObjectFromWindow);
    *object = nullptr;
    if (!function)
        return E_FAIL;
    return function(hwnd, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch, reinterpret_cast<void**>(object));
}

}  // namespace veskor::gui
