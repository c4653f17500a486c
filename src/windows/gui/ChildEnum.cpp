#include "gui/ChildEnum.h"

#include <new>

namespace veskor::gui {

HRESULT ChildEnum::QueryInterface(REFIID iid, void** out)
{
    return Offer(iid == IID_IUnknown || iid == IID_IEnumVARIANT, out);
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
