#include "launch/Gone.h"

#include <cctype>

#include "folder/FileNames.h"
#include "launch/LinkOps.h"
#include "platform/Error.h"

namespace veskor {

namespace {

// "X:\..." only: a relative target is found through the search path, a UNC one is on the network.
bool OnDriveLetter(const std::string& path)
{
    return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
           path[2] == '\\';
}

// Only a fixed drive is asked: a network or a disc to spin up could keep the window waiting.
bool OnFixedDrive(Platform& platform, const std::string& path)
{
    return OnDriveLetter(path) && platform.DriveOf(path) == DriveKind::Fixed;
}

}  // namespace

const char* GoneReason(Gone gone)
{
    switch (gone) {
    case Gone::Shortcut: return "ショートカットがありません";
    case Gone::Target: return "リンク先がありません";
    case Gone::No: break;
    }
    return nullptr;
}

Gone JudgeGone(Platform& platform, const std::string& folder, const std::string& entry)
{
    if (entry.empty() || entry.find(';') != std::string::npos)
        return Gone::No;
    const std::string linkPath = LinkPath(folder, entry);
    // It names no file: the launch says so itself.
    if (TooLongForLink(linkPath))
        return Gone::No;
    if (!OnFixedDrive(platform, linkPath))
        return Gone::No;
    switch (platform.Presence(linkPath)) {
    // Without the folder itself every shortcut would seem gone: that is the folder's fault.
    case PathPresence::Missing:
        return platform.Presence(folder) == PathPresence::Present ? Gone::Shortcut : Gone::No;
    case PathPresence::Unknown: return Gone::No;
    case PathPresence::Present: break;
    }
    ShellLink link;
    try {
        link = platform.ReadLink(linkPath);
    } catch (const Error&) {
        return Gone::No;
    }
    // The shell reads these itself: there is no file target to look for.
    if (ShellStartsItself(link))
        return Gone::No;
    return OnFixedDrive(platform, link.target.Text()) && platform.Presence(link.target) == PathPresence::Missing
               ? Gone::Target
               : Gone::No;
}

std::optional<Gone> GoneChecks::Known(const std::string& folder, const std::string& entry) const
{
    if (folder != folder_)
        return std::nullopt;
    const auto it = known_.find(KeyOf(entry));
    if (it == known_.end())
        return std::nullopt;
    return it->second;
}

GoneChecks::Slice GoneChecks::CheckSome(Platform& platform, const std::string& folder, const History& history,
                                        const std::vector<std::string>& inView, int budget)
{
    Slice slice;
    if (folder != folder_) {
        slice.repaint = !known_.empty();
        known_.clear();
        folder_ = folder;
        next_ = 0;
    }
    if (history_ != &history || revision_ != history.Revision()) {
        history_ = &history;
        revision_ = history.Revision();
        next_ = 0;
    }
    for (const std::string& entry : inView) {
        if (budget <= 0)
            break;
        if (known_.count(KeyOf(entry)))
            continue;
        const Gone gone = JudgeGone(platform, folder, entry);
        known_.emplace(KeyOf(entry), gone);
        slice.repaint = slice.repaint || gone != Gone::No;
        --budget;
    }
    const std::vector<std::string>& entries = history.Entries();
    while (next_ < entries.size()) {
        const std::string& entry = entries[next_];
        if (!known_.count(KeyOf(entry))) {
            if (budget <= 0)
                break;
            known_.emplace(KeyOf(entry), JudgeGone(platform, folder, entry));
            --budget;
        }
        ++next_;
    }
    slice.more = next_ < entries.size();
    return slice;
}

void GoneChecks::Forget(const std::string& entry)
{
    known_.erase(KeyOf(entry));
    next_ = 0;
}

}  // namespace veskor
