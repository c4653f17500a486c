#pragma once
#include <functional>

#include "form/Events.h"
#include "gui/Tooltips.h"
#include "gui/Win32Control.h"

namespace veskor::gui {

// A push button with its tooltip (one tool of the window's tooltips) and the
// default flag kept in the button's own style.
class Win32Button : public Win32Control<Button> {
public:
    Win32Button(ControlMaker& maker, int id, Tooltips& tooltips)
        : Win32Control(maker, id), tooltips_(tooltips), tooltip_(Design().tooltip)
    {
    }
    ~Win32Button() override;
    Win32Button(const Win32Button&) = delete;
    Win32Button& operator=(const Win32Button&) = delete;

    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    bool IsDefault() const override;
    void SetDefault(bool isDefault) override;
    std::string Tooltip() const override;
    void SetTooltip(const std::string& tooltip) override;

    void Command(int code);

    std::function<void()> onClick;
    std::function<void(const MouseState&)> onMouseDown;

private:
    HWND Create(const ControlPlace& place) override;
    static LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);

    Tooltips& tooltips_;
    std::string tooltip_;  // the design's until changed
};

}  // namespace veskor::gui
