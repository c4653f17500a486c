#pragma once
#include "platform/win32/Win32Api.h"
// After windows.h, which it needs.
#include <oleauto.h>

#include <vector>

namespace veskor::gui {

// An enumerator of child ids (VT_I4), as get_accSelection hands out several selected rows.
class ChildEnum final : public IEnumVARIANT {
public:
    explicit ChildEnum(std::vector<long> ids, size_t next = 0) : ids_(std::move(ids)), next_(next) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE Next(ULONG wanted, VARIANT* items, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override;

private:
    LONG refs_ = 1;
    std::vector<long> ids_;
    size_t next_;
};

}  // namespace veskor::gui
