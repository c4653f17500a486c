#include "app/TForm1.h"
#include "folder/FileNames.h"
#include "platform/Cp932.h"
#include "platform/Error.h"

namespace veskor {

namespace {

// The shell-link reader names the file through a buffer of 260 UTF-16 units, terminator
// included; each CP932 character is one unit.
constexpr long long LinkPathLimit = 259;

// Which shortcuts the shell must start itself: those whose target is not the program to
// run. A link without a file-system target (a Store app, a Control Panel item: an ID list
// only), an installer's link (its target is an icon file of the installer's) and a link
// that asks for elevation would otherwise start nothing, or the wrong thing, or fail.
bool ShellMustStartTheLink(const std::string& target, const LinkTraits& traits)
{
    return target.empty() || traits.advertised || traits.runAsUser;
}

// A failure of one named shortcut: its path on a line of its own, then the reason, so that
// after several names the user sees which one failed.
Error ShortcutError(const std::string& linkPath, const std::string& reason)
{
    return Error(linkPath + "\r\n" + reason);
}

}  // namespace

std::string TForm1::linktarget(const std::string& linkPath)
{
    return platform_.ReadLinkTarget(linkPath);
}

std::string TForm1::linkparams(const std::string& linkPath)
{
    // Only a ".lnk" spelt exactly so is read; ".LNK" and folders have no arguments.
    if (ExtensionOf(linkPath) != ".lnk")
        return std::string();
    return platform_.ReadLinkArguments(linkPath);
}

// An ordinary shortcut's target itself is started, with the link's arguments, in the
// target's own folder: the link's stored working folder, window state and hot key play no
// part. A shortcut that cannot be read, or that the shell refuses to start, stops the
// command with the error box; a cancelled elevation stops it without one.
void TForm1::openfile(const std::string& linkPath)
{
    if (CharCount(linkPath, linkPath.size()) > LinkPathLimit) {
        throw ShortcutError(linkPath, Format("名前が長すぎてショートカットのパスになりません (パスは %lld 文字まで)",
                                             LinkPathLimit));
    }
    const std::string target = linktarget(linkPath);
    const std::string directory = target.empty() ? ShortcutFolder : DirectoryOf(target);
    std::string arguments;
    try {
        arguments = linkparams(linkPath);
    } catch (const Error& e) {
        throw ShortcutError(linkPath, e.what());
    }
    const LaunchResult result = ShellMustStartTheLink(target, platform_.ReadLinkTraits(linkPath))
                                    ? platform_.ShellStartLink(linkPath)
                                    : platform_.ShellStart(target, arguments, directory);
    switch (result.outcome) {
    case LaunchResult::Outcome::Started: return;
    case LaunchResult::Outcome::Cancelled: throw Abort();
    case LaunchResult::Outcome::Refused: throw ShortcutError(linkPath, result.systemText);
    }
}

// The empty command: the shell is handed an empty file name in the shortcut folder, as it
// always was. It names no shortcut, so the shell's answer is not examined.
void TForm1::OpenShortcutFolder()
{
    platform_.ShellOpen(std::string(), std::string(), ShortcutFolder);
}

// An installer's link opens the installed program's folder when the installer can tell
// where that is; any other link, or an installer that cannot tell, the target's folder.
void TForm1::opendir(const std::string& linkPath)
{
    std::string target = linktarget(linkPath);
    if (platform_.ReadLinkTraits(linkPath).advertised) {
        const std::string installed = platform_.InstalledTarget(linkPath);
        if (!installed.empty())
            target = installed;
    }
    if (target.empty())
        target = ShortcutFolder;
    platform_.ShellOpen(DirectoryOf(target), std::string(), ShortcutFolder);
}

}  // namespace veskor
