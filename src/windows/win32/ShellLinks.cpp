#include "win32/Win32Platform.h"
// After windows.h, which they need.
#include <objidl.h>
#include <propsys.h>
#include <shlobj.h>

#include <algorithm>

#include "win32/Com.h"
#include "win32/ComRef.h"
#include "win32/SystemDlls.h"
#include "win32/SystemText.h"
#include "win32/Utf16.h"

namespace veskor {

using win32::ComRef;

namespace {

// PKEY_Link_Arguments, which the SDK's headers here do not declare.
constexpr PROPERTYKEY LinkArgumentsKey = {{0x436F2667, 0x14E2, 0x4FEB, {0xB3, 0x0A, 0x14, 0x6C, 0x53, 0xB5, 0xB6, 0x74}},
                                          100};

// A link's strings are counted in 16 bits: no arguments are longer.
constexpr size_t MaxLinkString = 0xFFFF;

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
LinkTraits TraitsOf(IShellLinkW* link)
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

// The file-system target, a network target as its UNC path; empty for a link without one
// (an ID list only), so the result is not examined. Windows' GetPath gives the path of the
// link's ID list, or the UNC path asked for first. Wine's gives the path the file holds in
// ANSI as the system's code page reads it (é as e, Hangul as ?, a Japanese name as another
// code page's letters), while the ID list keeps it whole: a path that is no UNC path is
// taken from the ID list.
std::wstring TargetOf(IShellLinkW* link)
{
    wchar_t path[PathBufferSize + 1] = {};
    WIN32_FIND_DATAW data{};
    link->GetPath(path, PathBufferSize, &data, SLGP_UNCPRIORITY);
    std::wstring target = path;
    PIDLIST_ABSOLUTE items = nullptr;
    if (!target.empty() && target.rfind(L"\\\\", 0) != 0 && SUCCEEDED(link->GetIDList(&items)) && items) {
        wchar_t whole[MAX_PATH + 1] = {};
        if (VESKOR_SYSTEM_FUNCTION(L"shell32.dll", SHGetPathFromIDListW)(items, whole) && whole[0] != L'\0')
            target = whole;
        VESKOR_SYSTEM_FUNCTION(L"ole32.dll", CoTaskMemFree)(items);
    }
    return target;
}

// The arguments whole. The link's property store allocates the whole text (Windows 7 and
// later); Wine's store has no values, so there GetArguments is asked, whose text is cut
// silently to its buffer: the buffer grows until the text is shorter than it holds. A
// failed GetArguments raises.
std::wstring ArgumentsOf(IShellLinkW* link)
{
    ComRef<IPropertyStore> store;
    if (SUCCEEDED(link->QueryInterface(IID_IPropertyStore, store.Out())) && store) {
        PROPVARIANT value;
        PropVariantInit(&value);
        if (SUCCEEDED(store->GetValue(LinkArgumentsKey, &value)) && (value.vt == VT_LPWSTR || value.vt == VT_EMPTY)) {
            std::wstring arguments = value.vt == VT_LPWSTR && value.pwszVal ? value.pwszVal : L"";
            VESKOR_SYSTEM_FUNCTION(L"ole32.dll", PropVariantClear)(&value);
            return arguments;
        }
        VESKOR_SYSTEM_FUNCTION(L"ole32.dll", PropVariantClear)(&value);
    }
    for (size_t room = PathBufferSize;; room = std::min(room * 8, MaxLinkString + 1)) {
        std::wstring arguments(room + 1, L'\0');
        const HRESULT read = link->GetArguments(arguments.data(), static_cast<int>(room));
        if (FAILED(read))
            throw win32::OleError(read);
        arguments.resize(wcslen(arguments.c_str()));
        if (arguments.size() + 1 < room || room > MaxLinkString)
            return arguments;
    }
}

}  // namespace

// Every step that makes, names or loads the link raises, as does the argument read.
ShellLink Win32Platform::ReadLink(const std::string& linkPath)
{
    const ComRef<IUnknown> object = CreateShellLink();
    const ComRef<IShellLinkW> link = Require<IShellLinkW>(object.get(), IID_IShellLinkW);
    ComRef<IPersistFile> file;
    const HRESULT query = link->QueryInterface(IID_IPersistFile, file.Out());
    if (FAILED(query) || !file)
        throw win32::OleError(FAILED(query) ? query : E_NOINTERFACE);
    const std::wstring widePath = win32::WidenJapanese(linkPath);
    if (widePath.size() > static_cast<size_t>(MaxPathLength))
        throw win32::OleError(HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER));
    const HRESULT load = file->Load(widePath.c_str(), STGM_READ);
    if (FAILED(load))
        throw win32::OleError(load);
    return {win32::NarrowExact(TargetOf(link.get())), win32::NarrowExact(ArgumentsOf(link.get())),
            TraitsOf(link.get())};
}

// Every step's result is examined: a link that was not written is reported with the
// system's text, never announced as made. A target that does not exist is no failure.
void Win32Platform::SaveLink(const std::string& linkPath, const std::string& target,
                             const std::string& workingDirectory, std::uint16_t hotKey)
{
    const ComRef<IUnknown> object = CreateShellLink();
    const ComRef<IShellLinkW> link = Require<IShellLinkW>(object.get(), IID_IShellLinkW);
    const ComRef<IPersistFile> file = Require<IPersistFile>(object.get(), IID_IPersistFile);
    const auto check = [&](HRESULT result) {
        if (FAILED(result))
            throw CreateFileError(win32::FullPath(linkPath), win32::OleError(result).what());
    };
    check(link->SetPath(win32::WidenJapanese(target).c_str()));
    check(link->SetWorkingDirectory(win32::WidenJapanese(workingDirectory).c_str()));
    if (hotKey != 0)
        check(link->SetHotkey(hotKey));
    check(file->Save(win32::WidenJapanese(linkPath).c_str(), FALSE));
}

}  // namespace veskor
