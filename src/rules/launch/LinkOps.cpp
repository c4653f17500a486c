#include "launch/LinkOps.h"

#include "folder/FileNames.h"
#include "text/Cp932.h"
#include "text/Error.h"

#include <utility>

namespace veskor {

namespace {

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

bool ShellStartsItself(const ShellLink& link)
{
    return link.target.empty() || link.traits.advertised || link.traits.runAsUser;
}

bool TooLongForLink(const std::string& linkPath)
{
    return CharCount(linkPath, linkPath.size()) > MaxPathLength;
}

void StartShortcut(Platform& platform, const std::string& folder, const std::string& linkPath)
{
    if (TooLongForLink(linkPath)) {
        throw ShortcutError(linkPath, Format("名前が長すぎてショートカットのパスになりません (パスは %lld 文字まで)",
                                             static_cast<long long>(MaxPathLength)));
    }
    // One load gives target, arguments and traits.
    ShellLink link;
    if (ArgumentsAreRead(linkPath)) {
        try {
            link = platform.ReadLink(linkPath);
        } catch (const Error& e) {
            throw ShortcutError(linkPath, e.what());
        }
    } else {
        link = ReadQuietly(platform, linkPath);
        link.arguments = {};
    }
    const ExactText directory = link.target.empty() ? ExactText(folder) : FolderOfTarget(link.target);
    const LaunchResult result = ShellStartsItself(link) ? platform.ShellStartLink(linkPath)
                                                        : platform.ShellStart(link.target, link.arguments, directory);
    switch (result.outcome) {
    case LaunchResult::Outcome::Started: return;
    case LaunchResult::Outcome::Cancelled: throw Abort();
    case LaunchResult::Outcome::Refused: throw ShortcutError(linkPath, result.systemText);
    }
}

void OpenShortcutFolder(Platform& platform, const std::string& folder)
{
    platform.ShellOpen(std::string(), std::string(), folder);
}

void OpenTargetFolder(Platform& platform, const std::string& folder, const std::string& linkPath)
{
    const ShellLink link = ReadQuietly(platform, linkPath);
    ExactText target = link.target;
    if (link.traits.advertised) {
        ExactText installed = platform.InstalledTarget(linkPath);
        if (!installed.empty())
            target = std::move(installed);
    }
    if (target.empty())
        target = folder;
    platform.ShellOpen(FolderOfTarget(target), std::string(), folder);
}

}  // namespace veskor
