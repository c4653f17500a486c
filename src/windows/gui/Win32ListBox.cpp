#include "gui/Win32ListBox.h"

#include <algorithm>
#include <new>

#include "form/Placement.h"
#include "gui/ListAccessible.h"

namespace veskor::gui {

namespace {
// Posted to the list: run a row's default action once the asking client has its answer.
constexpr UINT DefaultActionMessage = WM_APP + 0x11;
}  // namespace

HWND Win32ListBox::Create(const ControlPlace& place)
{
    // No WS_VSCROLL: the scroll bar is ListScrollBar's.
    HWND hwnd = CreateChild(place, L"LISTBOX",
                            LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                            WS_EX_CLIENTEDGE);
    painter_ = ListPainter(hwnd, place.font);
    scrollBar_ = ListScrollBar(hwnd);
    events_ = ListEvents(hwnd);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(place.font), FALSE);
    SendMessageW(hwnd, LB_SETITEMHEIGHT, 0, Scale(layout::ListRowHeight, place.dpi));
    AddSubclass(hwnd, Subclass, 0, reinterpret_cast<DWORD_PTR>(this));
    return hwnd;
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

std::vector<int> Win32ListBox::SelectedRows() const
{
    std::vector<int> rows(static_cast<size_t>(SelectedCount()), 0);
    if (!rows.empty()) {
        const LRESULT got = SendMessageW(hwnd_, LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
        rows.resize(static_cast<size_t>(std::clamp<LRESULT>(got, 0, static_cast<LRESULT>(rows.size()))));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

int Win32ListBox::SelectedCount() const
{
    const LRESULT count = SendMessageW(hwnd_, LB_GETSELCOUNT, 0, 0);
    return count > 0 ? static_cast<int>(count) : 0;
}

bool Win32ListBox::RowSelected(int row) const { return SendMessageW(hwnd_, LB_GETSEL, static_cast<WPARAM>(row), 0) > 0; }

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
        // A focused list shows its caret, whose look depends on the keyboard cues: then
        // every row is painted again.
        painter_.InvalidateChangedRows(Focused(), [this](int index) { return LookOf(index); });
    } else {
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
    events_.Refilled();
    AnnounceCaret();
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
            events_.Raise(EVENT_OBJECT_STATECHANGE, access::ChildOf(index));
    }
}

// Drawing may be asked for while an item is being removed: only what exists has text.
RowLook Win32ListBox::LookOf(int index) const
{
    RowLook look;
    look.hasText = index >= 0 && index < Count();
    if (look.hasText) {
        look.text = Item(index);
        look.unavailable = Unavailable(index) != nullptr;
    }
    return look;
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
    events_.RowCreated(index, SelectedRows());
}

// A removed caret entry leaves the caret at its place, or on the new last entry.
void Win32ListBox::ItemRemoved(int index)
{
    const int caret = Caret();
    SendMessageW(hwnd_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    if (Count() > 0)
        SetCaret(caret > index ? caret - 1 : std::min(caret, Count() - 1));
    events_.RowDestroyed(index, SelectedRows());
    if (caret == index)
        AnnounceCaret();
}

void Win32ListBox::SetCaret(int index)
{
    SendMessageW(hwnd_, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
}

void Win32ListBox::SetFont(HFONT font, int rowHeight)
{
    painter_.SetFont(font);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, rowHeight);
}

void Win32ListBox::Command(int code)
{
    if (code == LBN_SELCHANGE) {
        noCaret_ = false;
        events_.Selection(SelectedRows());
        if (onSelectionChange)
            onSelectionChange();
    } else if (code == LBN_DBLCLK && onDoubleClick) {
        onDoubleClick();
    }
}

void Win32ListBox::Draw(const DRAWITEMSTRUCT& item)
{
    const int index = static_cast<int>(item.itemID);
    RowLook look = LookOf(index);
    look.selected = (item.itemState & ODS_SELECTED) != 0;
    // The focus rectangle follows the keyboard cues, as the system's lists do.
    look.focusDrawn = (item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT) && !noCaret_ &&
                      !(SendMessageW(hwnd_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
    painter_.Paint(item.hDC, item.rcItem, index, look);
}

LRESULT CALLBACK Win32ListBox::Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    auto* list = reinterpret_cast<Win32ListBox*>(self);
    if (msg == WM_ERASEBKGND) {
        list->painter_.EraseBelowRows(reinterpret_cast<HDC>(wParam), list->Count());
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
    if (msg == ListEvents::LaterMessage) {
        if (wParam == EVENT_OBJECT_FOCUS)
            list->AnnounceCaret();
        else
            list->events_.Posted(static_cast<DWORD>(wParam));
        return 0;
    }
    if (msg == WM_KEYDOWN)
        list->ShowFocusCues();
    const bool input = msg == WM_KEYDOWN || msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
                       (msg == WM_MOUSEMOVE && (wParam & MK_LBUTTON));
    const int caretBefore = input ? list->Caret() : 0;
    const bool focusedBefore = input && list->Focused();
    ++list->nesting_;
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
        PostMessageW(hwnd, ListEvents::LaterMessage, EVENT_OBJECT_FOCUS, 0);
    } else if (msg == WM_UPDATEUISTATE) {
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    // Once the outermost message is done, and still counted as inside it, so that the
    // questions the bar asks the list do not bring it back here.
    if (list->nesting_ == 1)
        list->scrollBar_.Heard(msg, wParam);
    --list->nesting_;
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
        events_.Selection(SelectedRows());
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

void Win32ListBox::AnnounceCaret() const
{
    if (!Focused())
        return;  // the usual case while typing refills the list: no message to the list
    const int caret = CurrentIndex();
    if (caret >= 0)
        events_.Focus(caret);
}

// Keyboard use shows the focus rectangle, as the dialog manager does for its controls.
void Win32ListBox::ShowFocusCues() const
{
    if (SendMessageW(hwnd_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)
        SendMessageW(GetAncestor(hwnd_, GA_ROOT), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

}  // namespace veskor::gui
