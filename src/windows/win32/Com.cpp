#include "win32/Com.h"

#include <objbase.h>

#include "win32/SystemDlls.h"

namespace veskor::win32 {

namespace {

// An apartment is a thread's: the window's thread and the gone checks' each begin their own.
thread_local bool begun = false;

}  // namespace

// A failure is not kept: the call that needed COM then fails and reports it.
void BeginCom()
{
    if (!begun)
        begun = SUCCEEDED(VESKOR_SYSTEM_FUNCTION(L"ole32.dll", CoInitializeEx)(nullptr, COINIT_APARTMENTTHREADED));
}

void EndCom()
{
    if (begun)
        VESKOR_SYSTEM_FUNCTION(L"ole32.dll", CoUninitialize)();
    begun = false;
}

}  // namespace veskor::win32
