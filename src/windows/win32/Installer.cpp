#include "win32/Win32Platform.h"
// After windows.h, which it needs; only for the functions' types: msi.dll is not imported.
#include <msi.h>

#include "win32/SystemDlls.h"
#include "win32/Utf16.h"

namespace veskor {

namespace {

// A file's path: a drive's or a network path. An installed component's key path may also be
// a registry key ("02:\..."), which has no folder to open.
bool IsFilePath(const std::wstring& path)
{
    return (path.size() > 2 && path[1] == L':' && path[2] == L'\\') || path.rfind(L"\\\\", 0) == 0;
}

}  // namespace

// The installer's library is loaded (from System32) only here: most runs never meet an
// installer's link. Without it the installer cannot tell, which is no error.
ExactText Win32Platform::InstalledTarget(const std::string& linkPath)
{
    wchar_t product[39] = {};
    wchar_t feature[MAX_FEATURE_CHARS + 1] = {};
    wchar_t component[39] = {};
    wchar_t path[MAX_PATH + 1] = {};
    DWORD length = MAX_PATH + 1;
    const auto shortcutTarget = VESKOR_OPTIONAL_SYSTEM_FUNCTION(L"msi.dll", MsiGetShortcutTargetW);
    const auto componentPath = VESKOR_OPTIONAL_SYSTEM_FUNCTION(L"msi.dll", MsiGetComponentPathW);
    if (!shortcutTarget || !componentPath ||
        shortcutTarget(win32::WidenJapanese(linkPath).c_str(), product, feature, component) != ERROR_SUCCESS)
        return {};
    const INSTALLSTATE state = componentPath(product, component, path, &length);
    if (state != INSTALLSTATE_LOCAL && state != INSTALLSTATE_SOURCE)
        return {};
    return IsFilePath(path) ? win32::NarrowExact(path) : ExactText();
}

}  // namespace veskor
