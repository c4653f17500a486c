#include "platform/win32/gui/Win32Control.h"

#include "app/Placement.h"
#include "platform/Error.h"

namespace veskor::gui {

HWND CreateChild(const ControlPlace& place, const wchar_t* className, DWORD style, DWORD exStyle,
                 const std::wstring& text)
{
    const ControlDesign& d = place.design;
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (d.shownAtCreation)
        style |= WS_VISIBLE;
    if (d.tabStop)
        style |= WS_TABSTOP;
    HWND hwnd = CreateWindowExW(exStyle, className, text.c_str(), style, Scale(d.left, place.dpi),
                                Scale(d.top, place.dpi), Scale(d.width, place.dpi), Scale(d.height, place.dpi),
                                place.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)),
                                reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(place.parent, GWLP_HINSTANCE)),
                                nullptr);
    if (!hwnd)
        throw Error(Format("コントロール %s を作成できません", d.name));
    return hwnd;
}

}  // namespace veskor::gui
