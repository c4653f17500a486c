#include "win32/Win32Platform.h"
// After windows.h, which they need.
#include <shellapi.h>
#include <shlobj.h>

#include "win32/Com.h"
#include "win32/SystemDlls.h"
#include "win32/SystemText.h"
#include "win32/Utf16.h"

namespace veskor {

namespace {

// The system error behind a refusal: the shell's last error, or, when it left none, the
// error its old result code stands for.
DWORD RefusalCode(const SHELLEXECUTEINFOW& request)
{
    const DWORD error = GetLastError();
    if (error != ERROR_SUCCESS)
        return error;
    switch (reinterpret_cast<INT_PTR>(request.hInstApp)) {
    case SE_ERR_FNF: return ERROR_FILE_NOT_FOUND;
    case SE_ERR_PNF: return ERROR_PATH_NOT_FOUND;
    case SE_ERR_ACCESSDENIED: return ERROR_ACCESS_DENIED;
    case SE_ERR_OOM: return ERROR_NOT_ENOUGH_MEMORY;
    case SE_ERR_SHARE: return ERROR_SHARING_VIOLATION;
    case SE_ERR_DLLNOTFOUND: return ERROR_DLL_NOT_FOUND;
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY: return ERROR_DDE_FAIL;
    default: return ERROR_NO_ASSOCIATION;  // SE_ERR_NOASSOC, SE_ERR_ASSOCINCOMPLETE
    }
}

// Starts what `request` names, shown normally, owned by `owner` and on its monitor. The shell
// shows no error box of its own (the program shows one), and it finishes the request before
// returning: the program ends right after a launch. `file` names the file in the error text.
LaunchResult Execute(SHELLEXECUTEINFOW request, HWND owner, const std::string& file)
{
    request.cbSize = sizeof request;
    request.fMask |= SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    request.hwnd = owner;
    request.nShow = SW_SHOWNORMAL;
    if (HMONITOR monitor = owner ? MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST) : nullptr) {
        request.fMask |= SEE_MASK_HMONITOR;
        request.hMonitor = monitor;
    }
    win32::BeginCom();
    const auto execute = VESKOR_SYSTEM_FUNCTION(L"shell32.dll", ShellExecuteExW);
    SetLastError(ERROR_SUCCESS);
    if (execute(&request))
        return {};
    const DWORD code = RefusalCode(request);
    if (code == ERROR_CANCELLED)
        return {LaunchResult::Outcome::Cancelled, {}};
    std::string text = win32::SystemMessage(code);
    if (text.empty())
        text = win32::OsError(code).what();
    // Some texts name the file by an insert ("%1 は有効な Win32 アプリケーションではありません").
    if (const size_t insert = text.find("%1"); insert != std::string::npos)
        text.replace(insert, 2, file);
    return {LaunchResult::Outcome::Refused, text};
}

}  // namespace

// The shell may hand the work to COM objects of its own: COM is begun first.
void Win32Platform::ShellOpen(const ExactText& file, const std::string& parameters, const ExactText& directory)
{
    win32::BeginCom();
    VESKOR_SYSTEM_FUNCTION(L"shell32.dll", ShellExecuteW)(mainWindow_, L"open", win32::WidenExact(file).c_str(),
                                                         win32::WidenJapanese(parameters).c_str(),
                                                         win32::WidenExact(directory).c_str(), SW_SHOWNORMAL);
}

// The error text shows the file as CP932 writes it, "?" where it cannot.
LaunchResult Win32Platform::ShellStart(const ExactText& file, const ExactText& parameters, const ExactText& directory)
{
    const std::wstring wideFile = win32::WidenExact(file);
    const std::wstring wideParameters = win32::WidenExact(parameters);
    const std::wstring wideDirectory = win32::WidenExact(directory);
    SHELLEXECUTEINFOW request{};
    request.lpVerb = L"open";
    request.lpFile = wideFile.c_str();
    request.lpParameters = wideParameters.c_str();
    request.lpDirectory = wideDirectory.c_str();
    return Execute(request, mainWindow_, file.Text());
}

// The link's own default verb, its own working folder and arguments: the shell reads them.
LaunchResult Win32Platform::ShellStartLink(const std::string& linkPath)
{
    const std::wstring wideLink = win32::WidenJapanese(linkPath);
    SHELLEXECUTEINFOW request{};
    request.lpFile = wideLink.c_str();
    return Execute(request, mainWindow_, linkPath);
}

std::string Win32Platform::DesktopFolder()
{
    win32::BeginCom();
    wchar_t path[MAX_PATH + 1] = {};
    LPITEMIDLIST folder = nullptr;
    if (SUCCEEDED(VESKOR_SYSTEM_FUNCTION(L"shell32.dll", SHGetSpecialFolderLocation)(nullptr, CSIDL_DESKTOPDIRECTORY,
                                                                                    &folder)) &&
        folder) {
        VESKOR_SYSTEM_FUNCTION(L"shell32.dll", SHGetPathFromIDListW)(folder, path);
        VESKOR_SYSTEM_FUNCTION(L"ole32.dll", CoTaskMemFree)(folder);
    }
    return win32::NarrowJapanese(path);
}

}  // namespace veskor
