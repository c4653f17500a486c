#include "platform/win32/Win32Platform.h"
// After windows.h, which they need.
#include <objidl.h>
#include <shlobj.h>

#include <optional>

#include "platform/win32/Com.h"
#include "platform/win32/ComRef.h"
#include "platform/win32/SystemDlls.h"
#include "platform/win32/SystemText.h"
#include "platform/win32/Utf16.h"

namespace veskor {

using win32::ComRef;

namespace {

// The room the link calls are told about; every buffer keeps one more element for the NUL.
constexpr int PathRoom = 260;

// A shell-link object made by any server that offers one; a failure raises the OLE error.
// A new object of the shell's class `id`, asked for `interfaceId`; COM is begun first.
HRESULT CreateShellObject(REFCLSID id, DWORD context, REFIID interfaceId, void** object)
{
    win32::BeginCom();
    return VESKOR_SYSTEM_FUNCTION(L"ole32.dll", CoCreateInstance)(id, nullptr, context, interfaceId, object);
}

ComRef<IUnknown> CreateShellLink()
{
    ComRef<IUnknown> object;
    const HRESULT result =
        CreateShellObject(CLSID_ShellLink, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown, object.Out());
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

// What a link read does when a step fails. The target read ignores every failure: the
// open-folder command must raise nothing for an unreadable shortcut (it opens the folder
// above the shortcut folder instead), and a launch learns of it once, from the argument
// read that follows. The argument read raises, and so stops the launch with the system's
// text for the failure.
enum class LinkFailures { Ignore, Raise };

// A shortcut file loaded into a shell-link object of its own, for its fields to be read.
// Each read loads the file anew; nothing is kept between reads.
//
// The two policies also differ in the calls they make, and each keeps what the system has
// always been given for it:
// - Creation. The strict read shares the creation of a link that is saved: any server
//   (in-process or local), asked for IUnknown first, so that a missing class (the OLE error)
//   and an object without IShellLinkA ("Interface はサポートされていません") are told apart.
//   The quiet read has nothing to tell: it asks the in-process server, where the shell keeps
//   its link class, directly for IShellLinkA.
// - Conversion of the path. The quiet read passes MB_PRECOMPOSED, the strict one 0. For an
//   ANSI code page both give the same UTF-16 (precomposed characters are what the
//   conversion makes unless MB_COMPOSITE is asked for), so the difference changes no result.
// - Results. The quiet read goes on only on S_OK from QueryInterface and examines nothing
//   after it; the strict read raises on every failed step.
class LoadedLink {
public:
    // The loaded link; empty under LinkFailures::Ignore when the object or its IPersistFile
    // cannot be had or the path cannot be converted.
    static std::optional<LoadedLink> Load(const std::string& linkPath, LinkFailures failures);

    // The target path, network targets as UNC paths; empty when the link has none. Its result
    // is not examined: a link without a file-system target simply has an empty one.
    std::string Path() const
    {
        char target[PathRoom + 1] = {};
        WIN32_FIND_DATAA found{};
        link_->GetPath(target, PathRoom, &found, SLGP_UNCPRIORITY);
        return target;
    }

    // The argument text, empty when the link stores none; a failure raises under Raise.
    std::string Arguments() const
    {
        char arguments[PathRoom + 1] = {};
        const HRESULT result = link_->GetArguments(arguments, PathRoom);
        if (FAILED(result) && failures_ == LinkFailures::Raise)
            throw win32::OleError(result);
        return arguments;
    }

    // What the link's flags ask of the shell; a link whose flags cannot be read asks nothing.
    LinkTraits Traits() const
    {
        LinkTraits traits;
        ComRef<IShellLinkDataList> data;
        DWORD flags = 0;
        if (SUCCEEDED(link_->QueryInterface(IID_IShellLinkDataList, data.Out())) && data &&
            SUCCEEDED(data->GetFlags(&flags))) {
            traits.advertised = (flags & SLDF_HAS_DARWINID) != 0;
            traits.runAsUser = (flags & SLDF_RUNAS_USER) != 0;
        }
        return traits;
    }

private:
    LoadedLink(ComRef<IShellLinkA> link, ComRef<IPersistFile> file, LinkFailures failures)
        : link_(std::move(link)), file_(std::move(file)), failures_(failures)
    {
    }

    static ComRef<IShellLinkA> Create(LinkFailures failures);

    ComRef<IShellLinkA> link_;
    ComRef<IPersistFile> file_;
    LinkFailures failures_;
};

ComRef<IShellLinkA> LoadedLink::Create(LinkFailures failures)
{
    if (failures == LinkFailures::Raise) {
        const ComRef<IUnknown> object = CreateShellLink();
        return Require<IShellLinkA>(object.get(), IID_IShellLinkA);
    }
    ComRef<IShellLinkA> link;
    if (FAILED(CreateShellObject(CLSID_ShellLink, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Out())))
        return {};
    return link;
}

std::optional<LoadedLink> LoadedLink::Load(const std::string& linkPath, LinkFailures failures)
{
    const bool raise = failures == LinkFailures::Raise;
    ComRef<IShellLinkA> link = Create(failures);
    if (!link)
        return std::nullopt;
    ComRef<IPersistFile> file;
    const HRESULT query = link->QueryInterface(IID_IPersistFile, file.Out());
    if (raise) {
        if (FAILED(query) || !file)
            throw win32::OleError(FAILED(query) ? query : E_NOINTERFACE);
    } else if (query != S_OK || !file) {
        return std::nullopt;
    }
    std::wstring widePath;
    if (!win32::WidenAnsiPath(linkPath, raise ? 0 : MB_PRECOMPOSED, PathRoom, widePath)) {
        if (raise)
            throw win32::OleError(HRESULT_FROM_WIN32(GetLastError()));
        return std::nullopt;
    }
    const HRESULT load = file->Load(widePath.c_str(), STGM_READ);
    if (raise && FAILED(load))
        throw win32::OleError(load);
    return LoadedLink(std::move(link), std::move(file), failures);
}

}  // namespace

std::string Win32Platform::ReadLinkTarget(const std::string& linkPath)
{
    const std::optional<LoadedLink> link = LoadedLink::Load(linkPath, LinkFailures::Ignore);
    return link ? link->Path() : std::string();
}

std::string Win32Platform::ReadLinkArguments(const std::string& linkPath)
{
    return LoadedLink::Load(linkPath, LinkFailures::Raise)->Arguments();
}

LinkTraits Win32Platform::ReadLinkTraits(const std::string& linkPath)
{
    const std::optional<LoadedLink> link = LoadedLink::Load(linkPath, LinkFailures::Ignore);
    return link ? link->Traits() : LinkTraits{};
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
