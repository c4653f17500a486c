#include "platform/win32/gui/Win32ListBox.h"

#include <algorithm>
#include <new>

#include "app/Placement.h"
#include "platform/win32/gui/ListAccessible.h"
#include "platform/win32/gui/Text.h"

namespace veskor::gui {

namespace {
// Posted to the list: run a row's default action once the asking client has its answer.
constexpr UINT DefaultActionMessage = WM_APP + 0x11;
// Posted to the list: raise an event once the message at hand is done (wParam the event).
constexpr UINT AnnounceMessage = WM_APP + 0x12;

// What the window asks of the list without changing it: the selection it keeps and the
// scroll bar stay as they are.
bool IsQuestion(UINT msg)
{
    switch (msg) {
    case LB_GETCOUNT:
    case LB_GETTOPINDEX:
    case LB_GETITEMHEIGHT:
    case LB_GETCARETINDEX:
    case LB_GETANCHORINDEX:
    case LB_GETSELCOUNT:
    case LB_GETSELITEMS:
    case WM_QUERYUISTATE:
        return true;
    default:
        return false;
    }
}
}  // namespace

Win32ListBox::Win32ListBox(const ControlPlace& place, HFONT font) : font_(font)
{
    // No WS_VSCROLL: the scroll bar is ListScrollBar's.
    hwnd_ = CreateChild(place, L"LISTBOX",
                        LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                        WS_EX_CLIENTEDGE);
    scrollBar_ = ListScrollBar(hwnd_);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, Scale(layout::ListRowHeight, place.dpi));
    AddSubclass(hwnd_, Subclass, 0, reinterpret_cast<DWORD_PTR>(this));
}

Win32ListBox::~Win32ListBox()
{
    if (IsWindow(hwnd_))
        RemoveSubclass(hwnd_, Subclass, 0);
    if (accessible_) {
        accessible_->Disconnect();
        accessible_->Release();
    }
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
    if (index >= 0) {
        SetCaret(index);
        AnnounceCaret();
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
}

bool Win32ListBox::Selected(int index) const
{
    Item(index);  // the range error for an index outside the list
    return std::binary_search(Selection().begin(), Selection().end(), index);
}

int Win32ListBox::TopIndex() const { return static_cast<int>(SendMessageW(hwnd_, LB_GETTOPINDEX, 0, 0)); }

int Win32ListBox::RowsInView() const
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    return access::VisibleRows(client.bottom, static_cast<int>(SendMessageW(hwnd_, LB_GETITEMHEIGHT, 0, 0)));
}

// Only the rows on the screen are painted again; a screen reader hears of each that is
// now unavailable.
void Win32ListBox::RowsChanged(int first, int count)
{
    const int top = TopIndex();
    const int rowHeight = static_cast<int>(SendMessageW(hwnd_, LB_GETITEMHEIGHT, 0, 0));
    const int from = std::max(first, top);
    const int to = std::min({first + count, top + RowsInView(), Count()});
    for (int index = from; index < to; ++index) {
        const RECT rect{0, (index - top) * rowHeight, ClientWidth(), (index - top + 1) * rowHeight};
        InvalidateRect(hwnd_, &rect, FALSE);
        if (Unavailable(index))
            Announce(EVENT_OBJECT_STATECHANGE, access::ChildOf(index));
    }
}

const std::vector<int>& Win32ListBox::Selection() const
{
    if (!selectionKnown_) {
        selection_.assign(static_cast<size_t>(SelectedCount()), 0);
        if (!selection_.empty())
            SendMessageW(hwnd_, LB_GETSELITEMS, selection_.size(), reinterpret_cast<LPARAM>(selection_.data()));
        std::sort(selection_.begin(), selection_.end());
        selectionKnown_ = true;
    }
    return selection_;
}

int Win32ListBox::SelectedCount() const
{
    const LRESULT count = SendMessageW(hwnd_, LB_GETSELCOUNT, 0, 0);
    return count > 0 ? static_cast<int>(count) : 0;
}

// Refilled by count: the control learns only how many rows there are. Turning drawing
// back on invalidates the whole list (Wine's list does); when nothing else was waiting to
// be painted, only the rows whose text or look changed are painted again. The scroll bar
// coming or going changes the rows' width: then they are all painted again.
void Win32ListBox::ItemsReset()
{
    const bool nothingPending = !GetUpdateRect(hwnd_, nullptr, FALSE);
    const LONG widthBefore = ClientWidth();
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
    SendMessageW(hwnd_, LB_SETCOUNT, static_cast<WPARAM>(Count()), 0);
    noCaret_ = false;
    if (Count() > 0)
        SetCaret(0);
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    if (nothingPending && ClientWidth() == widthBefore) {
        ValidateRect(hwnd_, nullptr);
        InvalidateChangedRows();
    } else {
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
    announcedSelection_.clear();
    // A refill clears the list and fills it, perhaps twice: one event tells of it all.
    if (!reorderPending_)
        reorderPending_ = PostMessageW(hwnd_, AnnounceMessage, EVENT_OBJECT_REORDER, 0) != FALSE;
    AnnounceCaret();
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
    Announce(EVENT_OBJECT_CREATE, access::ChildOf(index));
    announcedSelection_ = Selection();
}

// A removed caret entry leaves the caret at its place, or on the new last entry.
void Win32ListBox::ItemRemoved(int index)
{
    const int caret = Caret();
    SendMessageW(hwnd_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    if (Count() > 0)
        SetCaret(caret > index ? caret - 1 : std::min(caret, Count() - 1));
    Announce(EVENT_OBJECT_DESTROY, access::ChildOf(index));
    announcedSelection_ = Selection();
    if (caret == index)
        AnnounceCaret();
}

// After a refill no row is selected. A focused list shows its caret, whose look depends
// on the keyboard cues: then every row is painted again.
void Win32ListBox::InvalidateChangedRows() const
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int rowHeight = static_cast<int>(SendMessageW(hwnd_, LB_GETITEMHEIGHT, 0, 0));
    const int top = static_cast<int>(SendMessageW(hwnd_, LB_GETTOPINDEX, 0, 0));
    const int rows = access::VisibleRows(client.bottom, rowHeight);
    const bool knownTop = top == paintedTop_ && !Focused();
    for (int row = 0; row < rows; ++row) {
        const int index = top + row;
        const bool hasText = index < Count();
        bool same = false;
        if (knownTop && static_cast<size_t>(row) < painted_.size()) {
            const PaintedRow& was = painted_[static_cast<size_t>(row)];
            same = was.known && !was.selected && !was.focusDrawn && was.hasText == hasText &&
                   (!hasText || (was.text == Item(index) && was.unavailable == (Unavailable(index) != nullptr)));
        }
        if (!same) {
            const RECT rect{0, row * rowHeight, client.right, (row + 1) * rowHeight};
            InvalidateRect(hwnd_, &rect, !hasText);  // the space below the rows is erased
        }
    }
}

void Win32ListBox::NotePainted(int index, bool hasText, bool selected, bool focusDrawn, bool unavailable) const
{
    const int top = static_cast<int>(SendMessageW(hwnd_, LB_GETTOPINDEX, 0, 0));
    if (top != paintedTop_) {
        painted_.clear();
        paintedTop_ = top;
    }
    const int row = index - top;
    if (row < 0 || row > 256)
        return;
    if (static_cast<size_t>(row) >= painted_.size())
        painted_.resize(static_cast<size_t>(row) + 1);
    PaintedRow& painted = painted_[static_cast<size_t>(row)];
    painted.known = true;
    painted.hasText = hasText;
    painted.selected = selected;
    painted.focusDrawn = focusDrawn;
    painted.unavailable = unavailable;
    painted.text = hasText ? Item(index) : std::string();
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
        AnnounceSelection();
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
    const bool hasText = index >= 0 && index < Count();
    // An entry that cannot be started is drawn as the system draws what is unavailable.
    const bool unavailable = hasText && Unavailable(index);
    if (hasText) {
        const std::wstring text = win32::WidenJapanese(Item(index));
        HGDIOBJ oldFont = SelectObject(dc, font_);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(selected      ? COLOR_HIGHLIGHTTEXT
                                     : unavailable ? COLOR_GRAYTEXT
                                                   : COLOR_WINDOWTEXT));
        RECT textRect = rect;
        textRect.left += 2;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(dc, oldFont);
    }
    // The focus rectangle follows the keyboard cues, as the system's lists do.
    const bool focusDrawn = (item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT) && !noCaret_ &&
                            !(SendMessageW(hwnd_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
    if (focusDrawn)
        DrawFocusRect(dc, &rect);
    if (index >= 0)
        NotePainted(index, hasText, selected, focusDrawn, unavailable);
}

LRESULT CALLBACK Win32ListBox::Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    auto* list = reinterpret_cast<Win32ListBox*>(self);
    if (msg == WM_ERASEBKGND) {
        list->EraseBelowRows(reinterpret_cast<HDC>(wParam));
        return 1;
    }
    if (msg == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        if (const LRESULT object = list->AccessibleObject(wParam))
            return object;
    }
    if (msg == DefaultActionMessage) {
        list->DoDefaultAction(static_cast<int>(wParam));
        return 0;
    }
    if (msg == AnnounceMessage) {
        list->reorderPending_ = list->reorderPending_ && wParam != EVENT_OBJECT_REORDER;
        if (wParam == EVENT_OBJECT_FOCUS)
            list->AnnounceCaret();
        else
            list->Announce(static_cast<DWORD>(wParam), access::Self);
        return 0;
    }
    const bool question = IsQuestion(msg);
    if (!question)
        list->selectionKnown_ = false;
    if (msg == WM_KEYDOWN)
        list->ShowFocusCues();
    const bool input = msg == WM_KEYDOWN || msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
                       (msg == WM_MOUSEMOVE && (wParam & MK_LBUTTON));
    const int caretBefore = input ? list->Caret() : 0;
    const bool focusedBefore = input && list->Focused();
    const LRESULT result = DefSubclass(hwnd, msg, wParam, lParam);
    if (!IsWindow(hwnd))
        return result;
    if (input && list->Caret() != caretBefore) {
        // The user moved the caret: it points at an entry again.
        list->noCaret_ = false;
        if (focusedBefore)
            list->AnnounceCaret();
    } else if (msg == WM_SETFOCUS) {
        // The system tells of the list's own focus after this message (Wine does): the
        // caret's row must be told of after that, or the list would seem to hold no row.
        PostMessageW(hwnd, AnnounceMessage, EVENT_OBJECT_FOCUS, 0);
    } else if (msg == WM_UPDATEUISTATE) {
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    if (!question)
        list->scrollBar_.Heard(msg, wParam);
    return result;
}

LONG Win32ListBox::ClientWidth() const
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    return client.right;
}

access::ListView Win32ListBox::View() const
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    access::ListView view;
    view.count = Count();
    view.caret = CurrentIndex();
    view.anchor = static_cast<int>(SendMessageW(hwnd_, LB_GETANCHORINDEX, 0, 0));
    view.top = static_cast<int>(SendMessageW(hwnd_, LB_GETTOPINDEX, 0, 0));
    view.rows = access::VisibleRows(client.bottom, static_cast<int>(SendMessageW(hwnd_, LB_GETITEMHEIGHT, 0, 0)));
    view.focused = Focused();
    view.shown = IsWindowVisible(hwnd_) != FALSE;
    return view;
}

void Win32ListBox::Select(const access::SelectPlan& plan)
{
    const int caretBefore = CurrentIndex();
    const LRESULT anchorBefore = SendMessageW(hwnd_, LB_GETANCHORINDEX, 0, 0);
    if (plan.clearAll)
        SendMessageW(hwnd_, LB_SETSEL, FALSE, -1);
    if (plan.from >= 0 && plan.from == plan.to)
        SendMessageW(hwnd_, LB_SETSEL, plan.select, plan.from);
    else if (plan.from >= 0)  // a range from a higher to a lower row is taken off the selection
        SendMessageW(hwnd_, LB_SELITEMRANGEEX, plan.select ? plan.from : plan.to, plan.select ? plan.to : plan.from);
    // Selecting may move the caret and the anchor (Wine's list does): they go where asked.
    SendMessageW(hwnd_, LB_SETANCHORINDEX, static_cast<WPARAM>(plan.anchor >= 0 ? plan.anchor : anchorBefore), 0);
    if (plan.caret >= 0)
        noCaret_ = false;
    const int caret = plan.caret >= 0 ? plan.caret : caretBefore;
    if (caret >= 0)
        SetCaret(caret);
    if (plan.takeFocus && !Focused() && IsWindowVisible(hwnd_))
        ::SetFocus(hwnd_);  // which tells of the caret
    else if (caret != caretBefore)
        AnnounceCaret();
    InvalidateRect(hwnd_, nullptr, FALSE);
    if (plan.changesSelection) {
        AnnounceSelection();
        if (onSelectionChange)
            onSelectionChange();
    }
}

void Win32ListBox::PostDefaultAction(int row)
{
    PostMessageW(hwnd_, DefaultActionMessage, static_cast<WPARAM>(row), 0);
}

// As the user's double click: the first click picks the row, the second starts it.
void Win32ListBox::DoDefaultAction(int row)
{
    if (row < 0 || row >= Count())
        return;
    Select(access::PlanSelect(View(), row, access::flag::TakeFocus | access::flag::TakeSelection, false));
    if (IsWindow(hwnd_) && onDoubleClick)
        onDoubleClick();
}

LRESULT Win32ListBox::AccessibleObject(WPARAM wParam)
{
    if (!accessible_)
        accessible_ = new (std::nothrow) ListAccessible(*this);
    return accessible_ ? accessible_->Serve(wParam) : 0;
}

void Win32ListBox::Announce(DWORD event, int child) const { NotifyWinEvent(event, hwnd_, OBJID_CLIENT, child); }

void Win32ListBox::AnnounceCaret() const
{
    if (!Focused())
        return;  // the usual case while typing refills the list: no message to the list
    const int caret = CurrentIndex();
    if (caret >= 0)
        Announce(EVENT_OBJECT_FOCUS, access::ChildOf(caret));
}

void Win32ListBox::AnnounceSelection()
{
    static constexpr DWORD events[] = {0, EVENT_OBJECT_SELECTION, EVENT_OBJECT_SELECTIONADD,
                                       EVENT_OBJECT_SELECTIONREMOVE, EVENT_OBJECT_SELECTIONWITHIN};
    const access::SelectionEvent change = access::SelectionChange(announcedSelection_, Selection());
    announcedSelection_ = Selection();
    if (change.kind != access::SelectionEvent::None)
        Announce(events[change.kind], change.child);
}

// Keyboard use shows the focus rectangle, as the dialog manager does for its controls.
void Win32ListBox::ShowFocusCues() const
{
    if (SendMessageW(hwnd_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)
        SendMessageW(GetAncestor(hwnd_, GA_ROOT), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

}  // namespace veskor::gui
