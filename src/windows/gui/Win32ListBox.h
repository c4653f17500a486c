#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/ListAccess.h"
#include "gui/ListEvents.h"
#include "gui/ListPainter.h"
#include "gui/ListScrollBar.h"
#include "gui/Win32Control.h"
// After windows.h, which it needs.
#include <commctrl.h>

namespace veskor::gui {

class ListAccessible;

// The history list: a no-data, owner-drawn list box with extended selection. The
// control keeps only the count, the selection and the caret; the rows are drawn from
// Item() by ListPainter, so refilling it with any number of entries copies no string, and
// a refill repaints only the rows whose text or look it changes. Assistive technology
// reads the rows through ListAccessible and follows the caret and the selection through
// ListEvents, which this system list does not raise. The scroll bar is ListScrollBar's.
class Win32ListBox : public Win32Control<ListField> {
public:
    Win32ListBox(ControlMaker& maker, int id) : Win32Control(maker, id) {}
    ~Win32ListBox() override;
    Win32ListBox(const Win32ListBox&) = delete;
    Win32ListBox& operator=(const Win32ListBox&) = delete;

    int CurrentIndex() const override;
    void SetCurrentIndex(int index) override;
    std::vector<int> SelectedRows() const override;
    int SelectedCount() const override;
    int TopIndex() const override;
    int RowsInView() const override;
    void RowsChanged(int first, int count) override;

    // The font and row height for the window's DPI.
    void SetFont(HFONT font, int rowHeight);

    // The window forwards the list's notifications and drawing requests here.
    void Command(int code);
    void Draw(const DRAWITEMSTRUCT& item);

    std::function<void()> onSelectionChange;  // changed by the user
    std::function<void()> onDoubleClick;

    // For ListAccessible.
    access::ListView View() const;
    bool RowSelected(int row) const;
    // A selection made through assistive technology counts as the user's.
    void Select(const access::SelectPlan& plan);
    // The user's double click on `row`, once the caller has had its answer.
    void PostDefaultAction(int row);

protected:
    void ItemsReset() override;
    void ItemInserted(int index) override;
    void ItemRemoved(int index) override;

private:
    HWND Create(const ControlPlace& place) override;
    static LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    int Caret() const;
    void SetCaret(int index);
    // What the row at `index` shows unselected and without focus: the one rule both the
    // drawing and the refill's comparison of rows start from.
    RowLook LookOf(int index) const;
    LRESULT AccessibleObject(WPARAM wParam);
    void DoDefaultAction(int row);
    void AnnounceCaret() const;  // the caret's row has the focus, when the list has it
    void ShowFocusCues() const;
    LONG ClientWidth() const;

    ListPainter painter_;
    ListScrollBar scrollBar_;
    ListEvents events_;
    // The control always has a caret; "none" is kept here until the caret moves again.
    bool noCaret_ = false;
    // How deep the list is in its own messages: those it sends itself, or that the window
    // sends it while answering its notifications, arrive inside the one at hand.
    int nesting_ = 0;
    ListAccessible* accessible_ = nullptr;  // made on the first request
};

}  // namespace veskor::gui
