#pragma once
#include "win32/Win32Api.h"
// After windows.h, which it needs.
#include <oleauto.h>

#include <vector>

#include "gui/ComObject.h"

namespace veskor::gui {

// An enumerator of child ids (VT_I4), as get_accSelection hands out several selected rows.
class ChildEnum final : public ComObject<IEnumVARIANT> {
public:
    explicit ChildEnum(std::vector<long> ids, size_t next = 0) : ids_(std::move(ids)), next_(next) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;

    HRESULT STDMETHODCALLTYPE Next(ULONG wanted, VARIANT* items, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override;

private:
    std::vector<long> ids_;
    size_t next_;
};

}  // namespace veskor::gui
