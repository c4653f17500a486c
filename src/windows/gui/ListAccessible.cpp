#include "win32/Win32Api.h"
// IID_IAccessible is defined here: the import library's symbol is no GUID under mingw.
#include <initguid.h>

#include "gui/ListAccessible.h"

#include <new>
#include <vector>

#include "platform/ListAccess.h"
#include "gui/AccessLibrary.h"
#include "gui/ChildEnum.h"
#include "win32/Utf16.h"
#include "gui/Win32ListBox.h"

namespace veskor::gui {

static_assert(access::state::Selected == STATE_SYSTEM_SELECTED && access::state::Focused == STATE_SYSTEM_FOCUSED &&
              access::state::Invisible == STATE_SYSTEM_INVISIBLE && access::state::Offscreen == STATE_SYSTEM_OFFSCREEN &&
              access::state::Focusable == STATE_SYSTEM_FOCUSABLE && access::state::Selectable == STATE_SYSTEM_SELECTABLE &&
              access::state::MultiSelectable == STATE_SYSTEM_MULTISELECTABLE &&
              access::state::ExtSelectable == STATE_SYSTEM_EXTSELECTABLE);
static_assert(access::nav::Up == NAVDIR_UP && access::nav::Next == NAVDIR_NEXT &&
              access::nav::FirstChild == NAVDIR_FIRSTCHILD && access::nav::LastChild == NAVDIR_LASTCHILD);
static_assert(access::flag::TakeFocus == SELFLAG_TAKEFOCUS && access::flag::TakeSelection == SELFLAG_TAKESELECTION &&
              access::flag::ExtendSelection == SELFLAG_EXTENDSELECTION &&
              access::flag::AddSelection == SELFLAG_ADDSELECTION &&
              access::flag::RemoveSelection == SELFLAG_REMOVESELECTION);

namespace {

void SetChild(VARIANT* v, long child)
{
    v->vt = VT_I4;
    v->lVal = child;
}

HRESULT Answer(BSTR* out, const std::wstring& text)
{
    *out = NewBstr(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

LRESULT ListAccessible::Serve(WPARAM wParam) { return ResultFromObject(IID_IAccessible, wParam, this); }

HRESULT ListAccessible::QueryInterface(REFIID iid, void** out)
{
    return Offer(iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible, out);
}

// Clients call IAccessible's methods directly; there is no type library to dispatch by.
HRESULT ListAccessible::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}
HRESULT ListAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT ListAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT ListAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

HRESULT ListAccessible::RowOf(const VARIANT& child, int& row) const
{
    if (!list_)
        return RPC_E_DISCONNECTED;
    if (child.vt != VT_I4 || child.lVal < access::Self || child.lVal > list_->Count())
        return E_INVALIDARG;
    row = access::RowOf(child.lVal);
    return S_OK;
}

HRESULT ListAccessible::TextRow(const VARIANT& child, BSTR* text, int& row) const
{
    if (!text)
        return E_POINTER;
    *text = nullptr;
    return RowOf(child, row);
}

HRESULT ListAccessible::NoText(const VARIANT& child, BSTR* text) const
{
    int row = 0;
    const HRESULT valid = TextRow(child, text, row);
    return FAILED(valid) ? valid : S_FALSE;
}

HRESULT ListAccessible::get_accParent(IDispatch** parent)
{
    if (!parent)
        return E_POINTER;
    *parent = nullptr;
    return list_ ? WindowObject(list_->Handle(), parent) : RPC_E_DISCONNECTED;
}

HRESULT ListAccessible::get_accChildCount(long* count)
{
    if (!count)
        return E_POINTER;
    *count = list_ ? list_->Count() : 0;
    return list_ ? S_OK : RPC_E_DISCONNECTED;
}

// The rows are simple elements of the list, not objects of their own.
HRESULT ListAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    int row = 0;
    const HRESULT valid = RowOf(child, row);
    return FAILED(valid) ? valid : (row < 0 ? E_INVALIDARG : S_FALSE);
}

HRESULT ListAccessible::get_accName(VARIANT child, BSTR* name)
{
    int row = 0;
    const HRESULT valid = TextRow(child, name, row);
    if (FAILED(valid) || row < 0)
        return FAILED(valid) ? valid : S_FALSE;
    return Answer(name, win32::WidenJapanese(list_->Item(row)));
}

HRESULT ListAccessible::get_accValue(VARIANT child, BSTR* value) { return NoText(child, value); }
// A row that cannot be started says why, so that a screen reader says it too.
HRESULT ListAccessible::get_accDescription(VARIANT child, BSTR* text)
{
    int row = 0;
    const HRESULT valid = TextRow(child, text, row);
    if (FAILED(valid) || row < 0)
        return FAILED(valid) ? valid : S_FALSE;
    const char* reason = list_->Unavailable(row);
    return reason ? Answer(text, win32::WidenJapanese(reason)) : S_FALSE;
}
HRESULT ListAccessible::get_accHelp(VARIANT child, BSTR* help) { return NoText(child, help); }
HRESULT ListAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) { return NoText(child, shortcut); }

HRESULT ListAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic)
{
    if (topic)
        *topic = 0;
    return NoText(child, file);
}

HRESULT ListAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    if (!role)
        return E_POINTER;
    role->vt = VT_EMPTY;
    int row = 0;
    const HRESULT valid = RowOf(child, row);
    if (FAILED(valid))
        return valid;
    SetChild(role, row < 0 ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM);
    return S_OK;
}

HRESULT ListAccessible::get_accState(VARIANT child, VARIANT* state)
{
    if (!state)
        return E_POINTER;
    state->vt = VT_EMPTY;
    int row = 0;
    const HRESULT valid = RowOf(child, row);
    if (FAILED(valid))
        return valid;
    const access::ListView view = list_->View();
    SetChild(state, static_cast<long>(row < 0 ? access::ListState(view)
                                              : access::RowState(view, row, list_->RowSelected(row),
                                                                 list_->Unavailable(row) != nullptr)));
    return S_OK;
}

HRESULT ListAccessible::get_accFocus(VARIANT* child)
{
    if (!child)
        return E_POINTER;
    child->vt = VT_EMPTY;
    if (!list_)
        return RPC_E_DISCONNECTED;
    const access::ListView view = list_->View();
    if (!view.focused)
        return S_FALSE;
    SetChild(child, view.caret >= 0 ? access::ChildOf(view.caret) : access::Self);
    return S_OK;
}

HRESULT ListAccessible::get_accSelection(VARIANT* children)
{
    if (!children)
        return E_POINTER;
    children->vt = VT_EMPTY;
    if (!list_)
        return RPC_E_DISCONNECTED;
    const std::vector<int> rows = list_->SelectedRows();
    if (rows.empty())
        return S_FALSE;
    if (rows.size() == 1) {
        SetChild(children, access::ChildOf(rows.front()));
        return S_OK;
    }
    std::vector<long> ids(rows.begin(), rows.end());
    for (long& id : ids)
        id = access::ChildOf(static_cast<int>(id));
    children->vt = VT_UNKNOWN;
    children->punkVal = new (std::nothrow) ChildEnum(std::move(ids));
    if (!children->punkVal) {
        children->vt = VT_EMPTY;
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

// A row's default action is the user's double click on it, named as the system names it
// for a list item on a Japanese desktop.
HRESULT ListAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    int row = 0;
    const HRESULT valid = TextRow(child, action, row);
    if (FAILED(valid) || row < 0)
        return FAILED(valid) ? valid : S_FALSE;
    return Answer(action, L"ダブルクリック");
}

HRESULT ListAccessible::accDoDefaultAction(VARIANT child)
{
    int row = 0;
    const HRESULT valid = RowOf(child, row);
    if (FAILED(valid))
        return valid;
    if (row < 0)
        return DISP_E_MEMBERNOTFOUND;
    list_->PostDefaultAction(row);
    return S_OK;
}

HRESULT ListAccessible::accSelect(long flags, VARIANT child)
{
    int row = 0;
    const HRESULT valid = RowOf(child, row);
    if (FAILED(valid))
        return valid;
    const access::ListView view = list_->View();
    const bool anchorSelected = view.anchor >= 0 && view.anchor < view.count && list_->RowSelected(view.anchor);
    const access::SelectPlan plan = access::PlanSelect(view, row, static_cast<unsigned>(flags), anchorSelected);
    if (!plan.valid)
        return E_INVALIDARG;
    list_->Select(plan);
    return S_OK;
}

HRESULT ListAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child)
{
    if (!left || !top || !width || !height)
        return E_POINTER;
    *left = *top = *width = *height = 0;
    int row = 0;
    const HRESULT valid = RowOf(child, row);
    if (FAILED(valid))
        return valid;
    HWND hwnd = list_->Handle();
    RECT r{};
    if (row < 0) {
        GetWindowRect(hwnd, &r);
    } else {
        SendMessageW(hwnd, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
        MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    }
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
}

HRESULT ListAccessible::accNavigate(long dir, VARIANT start, VARIANT* end)
{
    if (!end)
        return E_POINTER;
    end->vt = VT_EMPTY;
    int row = 0;
    const HRESULT valid = RowOf(start, row);
    if (FAILED(valid))
        return valid;
    const int found = access::Navigate(list_->View(), access::ChildOf(row), static_cast<int>(dir));
    if (found < 0)
        return E_INVALIDARG;
    if (found == access::Self)
        return S_FALSE;
    SetChild(end, found);
    return S_OK;
}

HRESULT ListAccessible::accHitTest(long x, long y, VARIANT* child)
{
    if (!child)
        return E_POINTER;
    child->vt = VT_EMPTY;
    if (!list_)
        return RPC_E_DISCONNECTED;
    HWND hwnd = list_->Handle();
    RECT frame{};
    GetWindowRect(hwnd, &frame);
    POINT point{x, y};
    if (!PtInRect(&frame, point))
        return S_FALSE;
    ScreenToClient(hwnd, &point);
    RECT client{};
    GetClientRect(hwnd, &client);
    int row = -1;
    if (PtInRect(&client, point))
        row = access::RowAt(list_->View(), point.y, static_cast<int>(SendMessageW(hwnd, LB_GETITEMHEIGHT, 0, 0)));
    SetChild(child, row >= 0 ? access::ChildOf(row) : access::Self);
    return S_OK;
}

HRESULT ListAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT ListAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace veskor::gui
