#include "platform/win32/gui/ChildEnum.h"

#include <new>

namespace veskor::gui {

HRESULT ChildEnum::QueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IEnumVARIANT) {
        *out = static_cast<IEnumVARIANT*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG ChildEnum::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

ULONG ChildEnum::Release()
{
    const LONG refs = InterlockedDecrement(&refs_);
    if (refs == 0)
        delete this;
    return static_cast<ULONG>(refs);
}

HRESULT ChildEnum::Next(ULONG wanted, VARIANT* items, ULONG* fetched)
{
    if (!items)
        return E_POINTER;
    ULONG count = 0;
    for (; count < wanted && next_ < ids_.size(); ++count, ++next_) {
        items[count].vt = VT_I4;
        items[count].lVal = ids_[next_];
    }
    if (fetched)
        *fetched = count;
    return count == wanted ? S_OK : S_FALSE;
}

HRESULT ChildEnum::Skip(ULONG count)
{
    const size_t left = ids_.size() - next_;
    next_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
}

HRESULT ChildEnum::Reset()
{
    next_ = 0;
    return S_OK;
}

HRESULT ChildEnum::Clone(IEnumVARIANT** copy)
{
    if (!copy)
        return E_POINTER;
    *copy = new (std::nothrow) ChildEnum(ids_, next_);
    return *copy ? S_OK : E_OUTOFMEMORY;
}

}  // namespace veskor::gui
