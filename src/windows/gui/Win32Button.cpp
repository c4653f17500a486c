#include "gui/Win32Button.h"

#include "gui/Mouse.h"
#include "gui/Text.h"

namespace veskor::gui {

HWND Win32Button::Create(const ControlPlace& place)
{
    const DWORD kind = place.design.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    HWND hwnd = CreateChild(place, L"BUTTON", kind, 0, win32::WidenJapanese(place.design.caption));
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(place.font), FALSE);
    AddSubclass(hwnd, Subclass, 0, reinterpret_cast<DWORD_PTR>(this));
    tooltips_.Set(hwnd, win32::WidenJapanese(tooltip_));
    return hwnd;
}

Win32Button::~Win32Button()
{
    if (IsWindow(hwnd_))
        RemoveSubclass(hwnd_, Subclass, 0);
}

std::string Win32Button::Caption() const
{
    return hwnd_ ? win32::NarrowJapanese(WindowTextOf(hwnd_)) : std::string(Design().caption);
}

void Win32Button::SetCaption(const std::string& caption)
{
    SetWindowTextW(Window(), win32::WidenJapanese(caption).c_str());
}

bool Win32Button::IsDefault() const
{
    return hwnd_ ? (GetWindowLongPtrW(hwnd_, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON : Design().isDefault;
}

void Win32Button::SetDefault(bool isDefault)
{
    SendMessageW(Window(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

std::string Win32Button::Tooltip() const { return tooltip_; }

// A button without a tooltip has no tool at all, so nothing pops up over it.
void Win32Button::SetTooltip(const std::string& tooltip)
{
    tooltips_.Set(Window(), win32::WidenJapanese(tooltip));
    tooltip_ = tooltip;
}

void Win32Button::Command(int code)
{
    if (code == BN_CLICKED && onClick)
        onClick();
}

LRESULT CALLBACK Win32Button::Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    auto* button = reinterpret_cast<Win32Button*>(self);
    button->tooltips_.PointerMoved(hwnd, msg, wParam, lParam);
    const LRESULT result = DefSubclass(hwnd, msg, wParam, lParam);
    // The button presses as usual first; the window's mouse-down handler then hears it.
    if (IsMouseDown(msg) && IsWindow(hwnd) && button->onMouseDown)
        button->onMouseDown(MouseStateOf(msg, wParam));
    return result;
}

}  // namespace veskor::gui
