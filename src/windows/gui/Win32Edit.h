#pragma once
#include "gui/Win32Control.h"
// After windows.h, which it needs.
#include <commctrl.h>

#include <functional>

namespace veskor::gui {

// A single-line edit field. The control holds UTF-16; the program sees CP932 bytes,
// and selections are converted between byte positions and the control's own units.
// Vowels with a macron or circumflex, typed or pasted, are spelled out in the field
// (text/Cp932.h), as CP932 has none.
class Win32Edit : public Win32Control<EditField> {
public:
    Win32Edit(ControlMaker& maker, int id) : Win32Control(maker, id) {}
    ~Win32Edit() override;
    Win32Edit(const Win32Edit&) = delete;
    Win32Edit& operator=(const Win32Edit&) = delete;

    std::string Text() const override;
    void SetText(const std::string& text) override;
    void SetSelection(int start, int length) override;
    int SelectionStart() const override;
    int SelectionLength() const override;

    // Gives the focus back after the window was inactive, keeping the selection the user left.
    void RestoreFocus();

    // The input method opened (true) or closed (false) a composition in the field.
    std::function<void(bool)> onComposition;

private:
    HWND Create(const ControlPlace& place) override;
    static LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    void SelectionBytes(int& start, int& end) const;

    bool keepSelection_ = false;
};

}  // namespace veskor::gui
