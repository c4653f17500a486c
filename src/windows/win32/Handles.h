#pragma once
#include "win32/Win32Api.h"

namespace veskor::win32 {

// Owns a handle that `CloseFunction` closes, also when an error leaves the scope early.
template <BOOL(WINAPI* CloseFunction)(HANDLE)>
class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
    ~ScopedHandle() { Close(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }

    // Closes now, for callers that must know whether the close succeeded.
    bool Close()
    {
        const bool closed = !*this || CloseFunction(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

using FileHandle = ScopedHandle<CloseHandle>;
using SearchHandle = ScopedHandle<FindClose>;

}  // namespace veskor::win32
