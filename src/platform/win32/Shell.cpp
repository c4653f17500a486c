#include "platform/win32/Win32Platform.h"
// After windows.h, which they need.
#include <shellapi.h>
#include <shlobj.h>

namespace veskor {

void Win32Platform::ShellOpen(const std::string& file, const std::string& parameters, const std::string& directory)
{
    ShellExecuteA(mainWindow_, "open", file.c_str(), parameters.c_str(), directory.c_str(), SW_SHOWNORMAL);
}

std::string Win32Platform::DesktopFolder()
{
    char path[MAX_PATH + 1] = {};
    LPITEMIDLIST folder = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOPDIRECTORY, &folder)) && folder) {
        SHGetPathFromIDListA(folder, path);
        CoTaskMemFree(folder);
    }
    return path;
}

}  // namespace veskor
