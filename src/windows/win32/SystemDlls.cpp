#include "win32/SystemDlls.h"

#include <string>

#include "win32/SystemText.h"

namespace veskor::win32 {

void RestrictDllSearchToSystem32()
{
    const auto setDirectories = VESKOR_OPTIONAL_SYSTEM_FUNCTION(L"kernel32.dll", SetDefaultDllDirectories);
    if (setDirectories)
        setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Where the call is missing, at least the current directory (the shortcut folder) leaves the search.
    SetDllDirectoryW(L"");
}

HMODULE SystemDll(const wchar_t* name)
{
    if (HMODULE loaded = GetModuleHandleW(name))
        return loaded;
    HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module && GetLastError() == ERROR_INVALID_PARAMETER) {
        // A loader without the search flags: name the file in System32 in full.
        wchar_t folder[MAX_PATH];
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            throw OsError(GetLastError());
        module = LoadLibraryW((std::wstring(folder, length) + L"\\" + name).c_str());
    }
    if (!module)
        throw OsError(GetLastError());
    return module;
}

FARPROC SystemProc(const wchar_t* dll, const char* function)
{
    const FARPROC found = GetProcAddress(SystemDll(dll), function);
    if (!found)
        throw OsError(GetLastError());
    return found;
}

FARPROC OptionalSystemProc(const wchar_t* dll, const char* function) noexcept
{
    try {
        return SystemProc(dll, function);
    } catch (...) {
        return nullptr;
    }
}

}  // namespace veskor::win32
