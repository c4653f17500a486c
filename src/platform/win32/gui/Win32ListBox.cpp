#include "platform/win32/gui/Win32ListBox.h"

#include <algorithm>

#include "app/Placement.h"
#include "platform/win32/gui/Text.h"

namespace veskor::gui {

Win32ListBox::Win32ListBox(const ControlPlace& place, HFONT font) : font_(font)
{
    hwnd_ = CreateChild(place, L"LISTBOX",
                        LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                            WS_VSCROLL,
                        WS_EX_CLIENTEDGE);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, Scale(layout::ListRowHeight, place.dpi));
    SetWindowSubclass(hwnd_, Subclass, 0, reinterpret_cast<DWORD_PTR>(this));
}

Win32ListBox::~Win32ListBox()
{
    if (IsWindow(hwnd_))
        RemoveWindowSubclass(hwnd_, Subclass, 0);
}

int Win32ListBox::Caret() const
{
    return static_cast<int>(SendMessageW(hwnd_, LB_GETCARETINDEX, 0, 0));
}

int Win32ListBox::CurrentIndex() const
{
    if (noCaret_ || Count() == 0)
        return -1;
    return Caret();
}

void Win32ListBox::SetCurrentIndex(int index)
{
    noCaret_ = index < 0;
    if (index >= 0)
        SetCaret(index);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

bool Win32ListBox::Selected(int index) const
{
    Item(index);  // the range error for an index outside the list
    if (!selectionKnown_) {
        selection_.assign(static_cast<size_t>(SelectedCount()), 0);
        if (!selection_.empty())
            SendMessageW(hwnd_, LB_GETSELITEMS, selection_.size(), reinterpret_cast<LPARAM>(selection_.data()));
        std::sort(selection_.begin(), selection_.end());
        selectionKnown_ = true;
    }
    return std::binary_search(selection_.begin(), selection_.end(), index);
}

int Win32ListBox::SelectedCount() const
{
    const LRESULT count = SendMessageW(hwnd_, LB_GETSELCOUNT, 0, 0);
    return count > 0 ? static_cast<int>(count) : 0;
}

void Win32ListBox::ItemsReset()
{
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
    SendMessageW(hwnd_, LB_SETCOUNT, static_cast<WPARAM>(Count()), 0);
    noCaret_ = false;
    if (Count() > 0)
        SetCaret(0);
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

// The control shifts the selection with the rows but not always the caret: keep the
// caret on its entry by hand.
void Win32ListBox::ItemInserted(int index)
{
    const int caret = Count() > 1 ? Caret() : -1;
    SendMessageW(hwnd_, LB_INSERTSTRING, static_cast<WPARAM>(index), 0);
    if (Count() == 1) {
        noCaret_ = false;
        SetCaret(0);
    } else {
        SetCaret(caret >= index ? caret + 1 : caret);
    }
}

// A removed caret entry leaves the caret at its place, or on the new last entry.
void Win32ListBox::ItemRemoved(int index)
{
    const int caret = Caret();
    SendMessageW(hwnd_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    if (Count() > 0)
        SetCaret(caret > index ? caret - 1 : std::min(caret, Count() - 1));
}

void Win32ListBox::SetCaret(int index)
{
    SendMessageW(hwnd_, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
}

void Win32ListBox::SetFont(HFONT font, int rowHeight)
{
    font_ = font;
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, rowHeight);
}

// The rows paint their whole background themselves: erasing them first would only make
// them flash white each time the list is refilled.
void Win32ListBox::EraseBelowRows(HDC dc) const
{
    RECT rest;
    GetClientRect(hwnd_, &rest);
    const long long top = SendMessageW(hwnd_, LB_GETTOPINDEX, 0, 0);
    const long long rowHeight = SendMessageW(hwnd_, LB_GETITEMHEIGHT, 0, 0);
    const long long rowsBottom = (Count() - top) * rowHeight;
    rest.top = static_cast<LONG>(std::clamp<long long>(rowsBottom, 0, rest.bottom));
    FillRect(dc, &rest, GetSysColorBrush(COLOR_WINDOW));
}

void Win32ListBox::Command(int code)
{
    if (code == LBN_SELCHANGE) {
        noCaret_ = false;
        if (onSelectionChange)
            onSelectionChange();
    } else if (code == LBN_DBLCLK && onDoubleClick) {
        onDoubleClick();
    }
}

void Win32ListBox::Draw(const DRAWITEMSTRUCT& item) const
{
    const int index = static_cast<int>(item.itemID);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    // Drawing may be asked for while an item is being removed: draw only what exists.
    if (index >= 0 && index < Count()) {
        const std::wstring text = win32::WidenJapanese(Items()[static_cast<size_t>(index)]);
        HGDIOBJ oldFont = SelectObject(dc, font_);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        RECT textRect = rect;
        textRect.left += 2;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(dc, oldFont);
    }
    if ((item.itemState & ODS_FOCUS) && !noCaret_)
        DrawFocusRect(dc, &rect);
}

LRESULT CALLBACK Win32ListBox::Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    auto* list = reinterpret_cast<Win32ListBox*>(self);
    if (msg == WM_ERASEBKGND) {
        list->EraseBelowRows(reinterpret_cast<HDC>(wParam));
        return 1;
    }
    if (msg != LB_GETSELCOUNT && msg != LB_GETSELITEMS)
        list->selectionKnown_ = false;
    const bool input = msg == WM_KEYDOWN || msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK;
    const int caretBefore = input ? list->Caret() : 0;
    const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
    // The user moved the caret: it points at an entry again.
    if (input && IsWindow(hwnd) && list->Caret() != caretBefore)
        list->noCaret_ = false;
    return result;
}

}  // namespace veskor::gui
