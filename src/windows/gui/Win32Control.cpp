#include "gui/Win32Control.h"

#include "form/Placement.h"
#include "text/Error.h"

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
    const RECT r = DesignedRect(d, place.dpi);
    HWND hwnd = CreateWindowExW(exStyle, className, text.c_str(), style, r.left, r.top, r.right - r.left,
                                r.bottom - r.top, place.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)),
                                reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(place.parent, GWLP_HINSTANCE)),
                                nullptr);
    if (!hwnd)
        throw Error(Format("コントロール %s を作成できません", d.name));
    return hwnd;
}

// The edges are scaled rather than the sizes, so that controls that meet in the design
// (the button column, Edit1 over the list) still meet, neither overlapping nor apart.
RECT DesignedRect(const ControlDesign& design, int dpi)
{
    return {Scale(design.left, dpi), Scale(design.top, dpi), Scale(design.left + design.width, dpi),
            Scale(design.top + design.height, dpi)};
}

}  // namespace veskor::gui
