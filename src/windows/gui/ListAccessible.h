#pragma once
#include "win32/Win32Api.h"
// After windows.h, which it needs.
#include <oleacc.h>

#include "gui/ComObject.h"

namespace veskor::gui {

class Win32ListBox;

// The history list as assistive technology reads it (MSAA, and UI Automation through
// the system's bridge): the no-data list holds no text of its own, so the rows' names,
// states and places come from here. The system's standard object cannot be wrapped:
// Wine does not make one for a list box.
class ListAccessible final : public ComObject<IAccessible> {
public:
    explicit ListAccessible(Win32ListBox& list) : list_(&list) {}
    // What WM_GETOBJECT returns for OBJID_CLIENT; 0 when the system cannot marshal it.
    LRESULT Serve(WPARAM wParam);
    // The list is going: every later call answers that the object is gone.
    void Disconnect() { list_ = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long dir, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

private:
    // The row that `child` names, -1 for the list itself; fails for anything else.
    HRESULT RowOf(const VARIANT& child, int& row) const;
    // RowOf for a method that answers with a text, which starts out as none.
    HRESULT TextRow(const VARIANT& child, BSTR* text, int& row) const;
    // Nothing to say about `child`: S_FALSE with no text, or the failure RowOf gives.
    HRESULT NoText(const VARIANT& child, BSTR* text) const;

    Win32ListBox* list_;
};

}  // namespace veskor::gui
