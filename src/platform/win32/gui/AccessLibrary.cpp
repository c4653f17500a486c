#include "platform/win32/gui/AccessLibrary.h"

#include "platform/Error.h"
#include "platform/win32/SystemDlls.h"

namespace veskor::gui {

namespace {

constexpr LONG ObjectIdWindow = 0;  // OBJID_WINDOW

// Assistive technology that asks for what the system cannot give gets nothing, not an error box.
template <class Function>
Function Load(const wchar_t* library, const char* name)
{
    try {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(win32::SystemProc(library, name)));
    } catch (const Error&) {
        return nullptr;
    }
}

}  // namespace

LRESULT ResultFromObject(REFIID iid, WPARAM wParam, IUnknown* object)
{
    using Function = LRESULT(WINAPI*)(REFIID, WPARAM, IUnknown*);
    static const Function function = Load<Function>(L"oleacc.dll", "LresultFromObject");
    if (!function)
        return 0;
    const LRESULT result = function(iid, wParam, object);
    return result > 0 ? result : 0;
}

BSTR NewBstr(const std::wstring& text)
{
    using Function = BSTR(WINAPI*)(const OLECHAR*, UINT);
    static const Function function = Load<Function>(L"oleaut32.dll", "SysAllocStringLen");
    return function ? function(text.data(), static_cast<UINT>(text.size())) : nullptr;
}

HRESULT WindowObject(HWND hwnd, IDispatch** object)
{
    using Function = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
    static const Function function = Load<Function>(L"oleacc.dll", "AccessibleObjectFromWindow");
    *object = nullptr;
    if (!function)
        return E_FAIL;
    return function(hwnd, static_cast<DWORD>(ObjectIdWindow), IID_IDispatch, reinterpret_cast<void**>(object));
}

}  // namespace veskor::gui
