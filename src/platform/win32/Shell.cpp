#include "platform/win32/Win32Platform.h"
// After windows.h, which they need.
#include <shellapi.h>
#include <shlobj.h>

#include "platform/win32/Com.h"
#include "platform/win32/SystemDlls.h"

namespace veskor {

// The shell may hand the work to COM objects of its own: COM is begun first.
void Win32Platform::ShellOpen(const std::string& file, const std::string& parameters, const std::string& directory)
{
    win32::BeginCom();
    VESKOR_SYSTEM_FUNCTION(L"shell32.dll", ShellExecuteA)(mainWindow_, "open", file.c_str(), parameters.c_str(),
                                                         directory.c_str(), SW_SHOWNORMAL);
}

std::string Win32Platform::DesktopFolder()
{
    win32::BeginCom();
    char path[MAX_PATH + 1] = {};
    LPITEMIDLIST folder = nullptr;
    if (SUCCEEDED(VESKOR_SYSTEM_FUNCTION(L"shell32.dll", SHGetSpecialFolderLocation)(nullptr, CSIDL_DESKTOPDIRECTORY,
                                                                                    &folder)) &&
        folder) {
        VESKOR_SYSTEM_FUNCTION(L"shell32.dll", SHGetPathFromIDListA)(folder, path);
        VESKOR_SYSTEM_FUNCTION(L"ole32.dll", CoTaskMemFree)(folder);
    }
    return path;
}

}  // namespace veskor
