#pragma once
#include "win32/Win32Api.h"

#include "form/Layout.h"
#include "platform/Controls.h"
#include "gui/Subclass.h"

namespace veskor::gui {

// Where and how a child control is made: its designed place, scaled to the screen's DPI.
struct ControlPlace {
    HWND parent;
    int id;
    const ControlDesign& design;
    int dpi;
    HFONT font = nullptr;  // the window's font for the control at that DPI
};

HWND CreateChild(const ControlPlace& place, const wchar_t* className, DWORD style, DWORD exStyle,
                 const std::wstring& text = L"");

// A control's designed place in client pixels, scaled for `dpi` (96: exactly as designed).
RECT DesignedRect(const ControlDesign& design, int dpi);

// The window that makes a control's window whenever the control first needs one.
class ControlMaker {
public:
    // Where the control with `id` goes now: the window's present DPI and font.
    virtual ControlPlace PlaceOf(int id) = 0;
    // `control` was just made and joins the others.
    virtual void Adopt(HWND control) = 0;

protected:
    ~ControlMaker() = default;
};

// One child control's window handle and what every kind shares: visibility by the
// control's own flag (so it reads right before the window is first shown) and a focus
// that never stays behind on a hidden control.
//
// Every control's window comes into being one way: the window (ControlMaker) makes it, in
// its DPI and font of that time, when the control is first changed or focused, or earlier:
// the controls that the first show shows at once, and the others, which start hidden, when
// the window first has nothing else to do. Fewer windows to make bring the window up
// sooner. Until then questions are answered from the control's design, as the window made
// from it would answer them, and hiding the control makes nothing.
template <class Base>
class Win32Control : public Base {
public:
    // The control's window, made now if it has none yet.
    HWND Handle() { return Window(); }

    bool Visible() const override { return hwnd_ && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
    void SetVisible(bool visible) override
    {
        if (!visible && !hwnd_)
            return;
        ShowWindow(Window(), visible ? SW_SHOWNA : SW_HIDE);
        // A hidden control keeps the keyboard focus unless told otherwise: give it to the
        // window itself, so that no control has it.
        if (!visible && GetFocus() == hwnd_)
            ::SetFocus(GetParent(hwnd_));
    }
    void SetFocus() override { ::SetFocus(Window()); }
    bool Focused() const override { return hwnd_ && GetFocus() == hwnd_; }

protected:
    Win32Control(ControlMaker& maker, int id) : maker_(maker), id_(id) {}
    const ControlDesign& Design() const { return layout::Controls.at(layout::TabIndexOfId(id_)); }
    HWND Window()
    {
        if (!hwnd_) {
            hwnd_ = Create(maker_.PlaceOf(id_));
            maker_.Adopt(hwnd_);
        }
        return hwnd_;
    }
    // The kind's own window at `place`, with its font and its subclass.
    virtual HWND Create(const ControlPlace& place) = 0;

    HWND hwnd_ = nullptr;

private:
    ControlMaker& maker_;
    int id_;
};

}  // namespace veskor::gui
