#pragma once
#include <unknwn.h>

namespace veskor::win32 {

// Holds one reference to a COM object and releases it at the end of the scope.
template <class T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() { Reset(); }
    ComRef(ComRef&& other) noexcept : object_(other.object_) { other.object_ = nullptr; }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    T* operator->() const { return object_; }
    T* get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

    // The slot a creating call fills; the reference held before is released first.
    void** Out()
    {
        Reset();
        return reinterpret_cast<void**>(&object_);
    }

private:
    void Reset()
    {
        if (object_)
            object_->Release();
        object_ = nullptr;
    }

    T* object_ = nullptr;
};

}  // namespace veskor::win32
