#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/ListAccess.h"
#include "platform/win32/gui/ListScrollBar.h"
#include "platform/win32/gui/Win32Control.h"
// After windows.h, which it needs.
#include <commctrl.h>

namespace veskor::gui {

class ListAccessible;

// The history list: a no-data, owner-drawn list box with extended selection. The
// control keeps only the count, the selection and the caret; the rows are drawn from
// Item(), so refilling it with any number of entries copies no string, and a refill
// repaints only the rows whose text or look it changes. Assistive
// technology reads the rows through ListAccessible and follows the caret and the
// selection through the events raised here, which this system list does not raise.
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
    int TopIndex() const override;
    int RowsInView() const override;
    void RowsChanged(int first, int count) override;

    // The font and row height for the window's DPI.
    void SetFont(HFONT font, int rowHeight);

    // The window forwards the list's notifications and drawing requests here.
    void Command(int code);
    void Draw(const DRAWITEMSTRUCT& item) const;

    std::function<void()> onSelectionChange;  // changed by the user
    std::function<void()> onDoubleClick;

    // For ListAccessible.
    access::ListView View() const;
    std::vector<int> SelectedRows() const { return Selection(); }  // ascending
    // A selection made through assistive technology counts as the user's.
    void Select(const access::SelectPlan& plan);
    // The user's double click on `row`, once the caller has had its answer.
    void PostDefaultAction(int row);

protected:
    void ItemsReset() override;
    void ItemInserted(int index) override;
    void ItemRemoved(int index) override;

private:
    static LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    int Caret() const;
    void SetCaret(int index);
    void EraseBelowRows(HDC dc) const;
    const std::vector<int>& Selection() const;
    LRESULT AccessibleObject(WPARAM wParam);
    void DoDefaultAction(int row);
    void Announce(DWORD event, int child) const;
    void AnnounceCaret() const;  // the caret's row has the focus, when the list has it
    void AnnounceSelection();
    void ShowFocusCues() const;
    void InvalidateChangedRows() const;
    LONG ClientWidth() const;
    void NotePainted(int index, bool hasText, bool selected, bool focusDrawn, bool unavailable) const;

    HFONT font_;
    ListScrollBar scrollBar_;
    // The selected rows, asked of the control once and kept until the list next receives
    // a message: joining a selection asks about every row in turn.
    mutable std::vector<int> selection_;
    mutable bool selectionKnown_ = false;
    // The control always has a caret; "none" is kept here until the caret moves again.
    bool noCaret_ = false;
    bool reorderPending_ = false;  // a refill's event is posted and not yet raised
    ListAccessible* accessible_ = nullptr;  // made on the first request
    std::vector<int> announcedSelection_;  // the selection that events last told of

    // What each row on the screen showed when it was last drawn, from the row paintedTop_
    // down. A scroll or a change of the top row forgets it all: unknown rows are repainted.
    struct PaintedRow {
        bool known = false;
        bool hasText = false;
        bool selected = false;
        bool focusDrawn = false;
        bool unavailable = false;  // greyed
        std::string text;
    };
    mutable std::vector<PaintedRow> painted_;
    mutable int paintedTop_ = 0;
};

}  // namespace veskor::gui
