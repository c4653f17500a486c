#pragma once
#include "win32/Win32Api.h"

// The program lives in the user's shortcut folder, where anything the user downloads may
// drop a DLL. So the loader is told at start to look in System32 only, the program imports
// statically only the loader's core DLLs, and every other system DLL (the shell, COM, the
// common controls, ...) is loaded here, from System32, when first needed. Loading on first
// need also spares the start the set-up of the shell and COM, which a launch needs only
// at its end.
namespace veskor::win32 {

// For the rest of the process, a DLL named without a path is looked for in System32 only.
// Called first thing. A Windows 7 without its 2011 loader update lacks the call: there,
// SystemDll names System32 in full instead.
void RestrictDllSearchToSystem32();

// The system DLL `name` ("shell32.dll"), loaded from System32 on first use and kept for
// the life of the process. One that is already loaded is taken as it is: the common
// controls of version 6 come through the manifest with the first control, from the
// side-by-side store, not from System32. Raises the system's message when it cannot load.
HMODULE SystemDll(const wchar_t* name);

// The address of `function` in the system DLL `dll`; raises the system's message when
// either is missing.
FARPROC SystemProc(const wchar_t* dll, const char* function);

// The same for a function the program can do without: nullptr when it or its DLL is
// missing, and never an error.
FARPROC OptionalSystemProc(const wchar_t* dll, const char* function) noexcept;

// `function` (declared by the Windows headers) typed as declared, found in `dll` on first
// use and kept: VESKOR_SYSTEM_FUNCTION(L"ole32.dll", CoTaskMemFree)(memory). Only the
// function's type is taken from the declaration, so it adds nothing to the import table.
template <class Function>
Function* SystemFunction(const wchar_t* dll, const char* function)
{
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(SystemProc(dll, function)));
}

template <class Function>
Function* OptionalSystemFunction(const wchar_t* dll, const char* function) noexcept
{
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(OptionalSystemProc(dll, function)));
}

}  // namespace veskor::win32

#define VESKOR_SYSTEM_FUNCTION(dll, function)                                                           \
    ([] {                                                                                                \
        static decltype(::function)* const found =                                                       \
            ::veskor::win32::SystemFunction<decltype(::function)>(dll, #function);                     \
        return found;                                                                                    \
    }())

// VESKOR_SYSTEM_FUNCTION for a function the program can do without: nullptr when missing,
// looked for once.
#define VESKOR_OPTIONAL_SYSTEM_FUNCTION(dll, function)                                                  \
    ([] {                                                                                                \
        static decltype(::function)* const found =                                                       \
            ::veskor::win32::OptionalSystemFunction<decltype(::function)>(dll, #function);             \
        return found;                                                                                    \
    }())
