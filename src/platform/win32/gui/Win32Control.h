#pragma once
#include "platform/win32/Win32Api.h"

#include "app/Layout.h"
#include "platform/Controls.h"
#include "platform/win32/gui/Subclass.h"

namespace veskor::gui {

// Where and how a child control is made: its designed place, scaled to the screen's DPI.
struct ControlPlace {
    HWND parent;
    int id;
    const ControlDesign& design;
    int dpi;
};

HWND CreateChild(const ControlPlace& place, const wchar_t* className, DWORD style, DWORD exStyle,
                 const std::wstring& text = L"");

// A control's designed place in client pixels, scaled for `dpi` (96: exactly as designed).
RECT DesignedRect(const ControlDesign& design, int dpi);

// One child control's window handle and what every kind shares: visibility by the
// control's own flag (so it reads right before the window is first shown) and a focus
// that never stays behind on a hidden control.
template <class Base>
class Win32Control : public Base {
public:
    HWND Handle() const { return hwnd_; }

    bool Visible() const override { return (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
    void SetVisible(bool visible) override
    {
        ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
        // A hidden control keeps the keyboard focus unless told otherwise: give it to the
        // window itself, so that no control has it.
        if (!visible && GetFocus() == hwnd_)
            ::SetFocus(GetParent(hwnd_));
    }
    void SetFocus() override { ::SetFocus(hwnd_); }
    bool Focused() const override { return GetFocus() == hwnd_; }

protected:
    HWND hwnd_ = nullptr;
};

}  // namespace veskor::gui
