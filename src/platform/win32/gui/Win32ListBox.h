#pragma once
#include <functional>
#include <vector>

#include "platform/win32/gui/Win32Control.h"
// After windows.h, which it needs.
#include <commctrl.h>

namespace veskor::gui {

// The history list: a no-data, owner-drawn list box with extended selection. The
// control keeps only the count, the selection and the caret; the rows are drawn from
// Items(), so refilling it with any number of entries copies no string.
class Win32ListBox : public Win32Control<ListField> {
public:
    Win32ListBox(const ControlPlace& place, HFONT font);
    ~Win32ListBox() override;
    Win32ListBox(const Win32ListBox&) = delete;
    Win32ListBox& operator=(const Win32ListBox&) = delete;

    int CurrentIndex() const override;
    void SetCurrentIndex(int index) override;
    bool Selected(int index) const override;
    int SelectedCount() const override;

    // The font and row height for the window's DPI.
    void SetFont(HFONT font, int rowHeight);

    // The window forwards the list's notifications and drawing requests here.
    void Command(int code);
    void Draw(const DRAWITEMSTRUCT& item) const;

    std::function<void()> onSelectionChange;  // changed by the user
    std::function<void()> onDoubleClick;

protected:
    void ItemsReset() override;
    void ItemInserted(int index) override;
    void ItemRemoved(int index) override;

private:
    static LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    int Caret() const;
    void SetCaret(int index);
    void EraseBelowRows(HDC dc) const;

    HFONT font_;
    // The selected rows, asked of the control once and kept until the list next receives
    // a message: joining a selection asks about every row in turn.
    mutable std::vector<int> selection_;
    mutable bool selectionKnown_ = false;
    // The control always has a caret; "none" is kept here until the caret moves again.
    bool noCaret_ = false;
};

}  // namespace veskor::gui
