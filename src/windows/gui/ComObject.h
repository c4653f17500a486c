#pragma once
#include "win32/Win32Api.h"
// After windows.h, which it needs.
#include <unknwn.h>

namespace veskor::gui {

// The reference count of an object that the program hands to COM clients, which
// deletes itself at the last Release. `Interface` is the one it implements.
template <class Interface>
class ComObject : public Interface {
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG refs = InterlockedDecrement(&refs_);
        if (refs == 0)
            delete this;
        return static_cast<ULONG>(refs);
    }

protected:
    virtual ~ComObject() = default;
    // QueryInterface's answer: this object when `offered`, E_NOINTERFACE otherwise.
    HRESULT Offer(bool offered, void** out)
    {
        if (!out)
            return E_POINTER;
        *out = offered ? static_cast<Interface*>(this) : nullptr;
        if (!offered)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }

private:
    LONG refs_ = 1;
};

}  // namespace veskor::gui
