#include "platform/win32/Win32Platform.h"
// After windows.h, which they need.
#include <objidl.h>
#include <shlobj.h>

#include "platform/win32/Com.h"
#include "platform/win32/ComRef.h"
#include "platform/win32/SystemDlls.h"
#include "platform/win32/SystemText.h"
#include "platform/win32/Utf16.h"

namespace veskor {

using win32::ComRef;

namespace {

// A new shell-link object from any server that offers one (in-process or local), asked for
// IUnknown first so that a missing class (the OLE error) and an object without the interface
// a caller needs ("Interface はサポートされていません") are told apart. COM is begun first.
ComRef<IUnknown> CreateShellLink()
{
    win32::BeginCom();
    ComRef<IUnknown> object;
    const HRESULT result = VESKOR_SYSTEM_FUNCTION(L"ole32.dll", CoCreateInstance)(
        CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown, object.Out());
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

// What the link's flags ask of the shell. The flags are an extra the link object may lack:
// a link whose flags cannot be read asks nothing.
LinkTraits TraitsOf(IShellLinkA* link)
{
    LinkTraits traits;
    ComRef<IShellLinkDataList> data;
    DWORD flags = 0;
    if (SUCCEEDED(link->QueryInterface(IID_IShellLinkDataList, data.Out())) && data &&
        SUCCEEDED(data->GetFlags(&flags))) {
        traits.advertised = (flags & SLDF_HAS_DARWINID) != 0;
        traits.runAsUser = (flags & SLDF_RUNAS_USER) != 0;
    }
    return traits;
}

}  // namespace

// Every step that makes, names or loads the link raises, as does the argument read; the
// target's result is not examined, since a link without a file-system target (an ID list
// only) simply has an empty one. Buffers keep one element more than they announce, for the NUL.
ShellLink Win32Platform::ReadLink(const std::string& linkPath)
{
    const ComRef<IUnknown> object = CreateShellLink();
    const ComRef<IShellLinkA> link = Require<IShellLinkA>(object.get(), IID_IShellLinkA);
    ComRef<IPersistFile> file;
    const HRESULT query = link->QueryInterface(IID_IPersistFile, file.Out());
    if (FAILED(query) || !file)
        throw win32::OleError(FAILED(query) ? query : E_NOINTERFACE);
    std::wstring widePath;
    if (!win32::WidenAnsiPath(linkPath, 0, PathBufferSize, widePath))
        throw win32::OleError(HRESULT_FROM_WIN32(GetLastError()));
    const HRESULT load = file->Load(widePath.c_str(), STGM_READ);
    if (FAILED(load))
        throw win32::OleError(load);

    char target[PathBufferSize + 1] = {};
    WIN32_FIND_DATAA found{};
    link->GetPath(target, PathBufferSize, &found, SLGP_UNCPRIORITY);
    char arguments[PathBufferSize + 1] = {};
    const HRESULT argumentsRead = link->GetArguments(arguments, PathBufferSize);
    if (FAILED(argumentsRead))
        throw win32::OleError(argumentsRead);
    return {target, arguments, TraitsOf(link.get())};
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
    file->Save(win32::WidenAnsi(linkPath).c_str(), FALSE);
}

}  // namespace veskor
