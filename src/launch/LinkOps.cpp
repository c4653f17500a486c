#include "app/TForm1.h"
#include "folder/FileNames.h"
#include "platform/Cp932.h"
#include "platform/Error.h"

#include <utility>

namespace veskor {

namespace {

// Which shortcuts the shell must start itself: those whose target is not the program to
// run. A link without a file-system target (a Store app, a Control Panel item: an ID list
// only), an installer's link (its target is an icon file of the installer's) and a link
// that asks for elevation would otherwise start nothing, or the wrong thing, or fail.
bool ShellMustStartTheLink(const ExactText& target, const LinkTraits& traits)
{
    return target.empty() || traits.advertised || traits.runAsUser;
}

// A failure of one named shortcut: its path on a line of its own, then the reason, so that
// after several names the user sees which one failed.
Error ShortcutError(const std::string& linkPath, const std::string& reason)
{
    return Error(linkPath + "\r\n" + reason);
}

// Only a ".lnk" spelt exactly so has its arguments read, and so its failure raised; ".LNK"
// and folders have no arguments.
bool ArgumentsAreRead(const std::string& linkPath)
{
    return ExtensionOf(linkPath) == ".lnk";
}

// The link as the commands that never fail on it see it: an unreadable link has nothing.
ShellLink ReadQuietly(Platform& platform, const std::string& linkPath)
{
    try {
        return platform.ReadLink(linkPath);
    } catch (const Error&) {
        return {};
    }
}

// The folder of a path that the system holds: the folder is a part of the path from its
// start, so what CP932 cannot write in it stays.
ExactText FolderOfTarget(const ExactText& target)
{
    return target.Prefix(DirectoryOf(target.Text()).size());
}

}  // namespace

ExactText TForm1::linktarget(const std::string& linkPath)
{
    return ReadQuietly(platform_, linkPath).target;
}

ExactText TForm1::linkparams(const std::string& linkPath)
{
    return ArgumentsAreRead(linkPath) ? platform_.ReadLink(linkPath).arguments : ExactText();
}

// An ordinary shortcut's target itself is started, with the link's arguments, in the
// target's own folder: the link's stored working folder, window state and hot key play no
// part. A shortcut that cannot be read, or that the shell refuses to start, stops the
// command with the error box; a cancelled elevation stops it without one.
void TForm1::openfile(const std::string& linkPath)
{
    // The link reader names the file in UTF-16, where each CP932 character is one unit.
    if (CharCount(linkPath, linkPath.size()) > MaxPathLength) {
        throw ShortcutError(linkPath, Format("名前が長すぎてショートカットのパスになりません (パスは %lld 文字まで)",
                                             static_cast<long long>(MaxPathLength)));
    }
    // One load gives target, arguments and traits: linktarget and linkparams in one.
    ShellLink link;
    if (ArgumentsAreRead(linkPath)) {
        try {
            link = platform_.ReadLink(linkPath);
        } catch (const Error& e) {
            throw ShortcutError(linkPath, e.what());
        }
    } else {
        link = ReadQuietly(platform_, linkPath);
        link.arguments = {};
    }
    const ExactText directory = link.target.empty() ? ExactText(ShortcutFolder) : FolderOfTarget(link.target);
    const LaunchResult result = ShellMustStartTheLink(link.target, link.traits)
                                    ? platform_.ShellStartLink(linkPath)
                                    : platform_.ShellStart(link.target, link.arguments, directory);
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
    const ShellLink link = ReadQuietly(platform_, linkPath);
    ExactText target = link.target;
    if (link.traits.advertised) {
        ExactText installed = platform_.InstalledTarget(linkPath);
        if (!installed.empty())
            target = std::move(installed);
    }
    if (target.empty())
        target = ShortcutFolder;
    platform_.ShellOpen(FolderOfTarget(target), std::string(), ShortcutFolder);
}

}  // namespace veskor
