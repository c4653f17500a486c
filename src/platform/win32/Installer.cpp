#include "platform/win32/Win32Platform.h"
// After windows.h, which it needs; only for the functions' types: msi.dll is not imported.
#include <msi.h>

namespace veskor {

namespace {

// The installer's library, loaded from the system folder only while it is asked: most runs
// never meet an installer's link, and a library beside the program is never taken for it.
class InstallerLibrary {
public:
    InstallerLibrary() : module_(LoadLibraryExW(L"msi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {}
    ~InstallerLibrary()
    {
        if (module_)
            FreeLibrary(module_);
    }
    InstallerLibrary(const InstallerLibrary&) = delete;
    InstallerLibrary& operator=(const InstallerLibrary&) = delete;

    template <class Function>
    Function* Get(const char* name) const
    {
        return module_ ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module_, name)))
                       : nullptr;
    }

private:
    HMODULE module_;
};

// A file's path: a drive's or a network path. An installed component's key path may also be
// a registry key ("02:\..."), which has no folder to open.
bool IsFilePath(const std::string& path)
{
    return (path.size() > 2 && path[1] == ':' && path[2] == '\\') || path.rfind("\\\\", 0) == 0;
}

}  // namespace

std::string Win32Platform::InstalledTarget(const std::string& linkPath)
{
    const InstallerLibrary msi;
    const auto shortcutTarget = msi.Get<decltype(MsiGetShortcutTargetA)>("MsiGetShortcutTargetA");
    const auto componentPath = msi.Get<decltype(MsiGetComponentPathA)>("MsiGetComponentPathA");
    if (!shortcutTarget || !componentPath)
        return {};
    char product[39] = {};
    char feature[MAX_FEATURE_CHARS + 1] = {};
    char component[39] = {};
    if (shortcutTarget(linkPath.c_str(), product, feature, component) != ERROR_SUCCESS)
        return {};
    char path[MAX_PATH + 1] = {};
    DWORD length = MAX_PATH;
    const INSTALLSTATE state = componentPath(product, component, path, &length);
    if (state != INSTALLSTATE_LOCAL && state != INSTALLSTATE_SOURCE)
        return {};
    return IsFilePath(path) ? path : std::string();
}

}  // namespace veskor
