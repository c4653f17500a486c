#include "platform/win32/Win32Platform.h"
// After windows.h, which they need.
#include <objidl.h>
#include <shlobj.h>

#include "platform/win32/ComRef.h"
#include "platform/win32/SystemText.h"

namespace veskor {

using win32::ComRef;

namespace {

// The room the link calls are told about; every buffer keeps one more element for the NUL.
constexpr int PathRoom = 260;

// A shell-link object made by any server that offers one; a failure raises the OLE error.
ComRef<IUnknown> CreateShellLink()
{
    ComRef<IUnknown> object;
    const HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                            IID_IUnknown, object.Out());
    if (FAILED(result) || !object)
        throw win32::OleError(FAILED(result) ? result : E_POINTER);
    return object;
}

// The object seen through another interface, which it must have.
template <class T>
ComRef<T> Require(IUnknown* object, REFIID id)
{
    ComRef<T> view;
    if (FAILED(object->QueryInterface(id, view.Out())) || !view)
        throw Error("Interface はサポートされていません");
    return view;
}

}  // namespace

std::string Win32Platform::ReadLinkTarget(const std::string& linkPath)
{
    ComRef<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Out())) || !link)
        return {};
    ComRef<IPersistFile> file;
    if (link->QueryInterface(IID_IPersistFile, file.Out()) != S_OK || !file)
        return {};
    WCHAR widePath[PathRoom + 1] = {};
    if (MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, linkPath.c_str(), -1, widePath, PathRoom) == 0)
        return {};
    file->Load(widePath, STGM_READ);
    char target[PathRoom + 1] = {};
    WIN32_FIND_DATAA found{};
    link->GetPath(target, PathRoom, &found, SLGP_UNCPRIORITY);
    return target;
}

std::string Win32Platform::ReadLinkArguments(const std::string& linkPath)
{
    const ComRef<IUnknown> object = CreateShellLink();
    const ComRef<IShellLinkA> link = Require<IShellLinkA>(object.get(), IID_IShellLinkA);
    ComRef<IPersistFile> file;
    HRESULT result = object->QueryInterface(IID_IPersistFile, file.Out());
    if (FAILED(result) || !file)
        throw win32::OleError(FAILED(result) ? result : E_NOINTERFACE);
    WCHAR widePath[PathRoom + 1] = {};
    if (MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, PathRoom) == 0)
        throw win32::OleError(HRESULT_FROM_WIN32(GetLastError()));
    result = file->Load(widePath, STGM_READ);
    if (FAILED(result))
        throw win32::OleError(result);
    char arguments[PathRoom + 1] = {};
    result = link->GetArguments(arguments, PathRoom);
    if (FAILED(result))
        throw win32::OleError(result);
    return arguments;
}

void Win32Platform::SaveLink(const std::string& linkPath, const std::string& target,
                             const std::string& workingDirectory, std::uint16_t hotKey)
{
    const ComRef<IUnknown> object = CreateShellLink();
    const ComRef<IShellLinkA> link = Require<IShellLinkA>(object.get(), IID_IShellLinkA);
    const ComRef<IPersistFile> file = Require<IPersistFile>(object.get(), IID_IPersistFile);
    link->SetPath(target.c_str());
    link->SetWorkingDirectory(workingDirectory.c_str());
    if (hotKey != 0)
        link->SetHotkey(hotKey);
    file->Save(win32::Widen(linkPath).c_str(), FALSE);
}

}  // namespace veskor
