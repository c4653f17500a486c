#include "launch/Gone.h"

#include <cctype>
#include <unordered_set>

#include "folder/FileNames.h"
#include "launch/GoneWorker.h"
#include "launch/LinkOps.h"
#include "text/Cp932.h"
#include "text/Error.h"

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

std::optional<GoneChecks::Question> GoneChecks::Next(const std::string& folder, const History& history,
                                                     const std::vector<std::string>& inView, std::size_t count)
{
    if (folder != folder_) {
        known_.clear();
        forgotten_.clear();
        folder_ = folder;
        next_ = 0;
        asked_ = 0;  // what the worker still judges is of the other folder
    }
    if (history_ != &history || revision_ != history.Revision()) {
        history_ = &history;
        revision_ = history.Revision();
        next_ = 0;
    }
    const bool viewMoved = inView != inView_;
    inView_ = inView;
    Question question;
    std::unordered_set<std::size_t> taken;
    for (const std::string& entry : inView) {
        if (question.entries.size() < count && !known_.count(KeyOf(entry)) && taken.insert(KeyOf(entry)).second)
            question.entries.push_back(entry);
    }
    if (asked_) {
        if (!viewMoved || question.entries.empty())
            return std::nullopt;
        return question;
    }
    const std::vector<std::string>& entries = history.Entries();
    while (next_ < entries.size() && known_.count(KeyOf(entries[next_])))
        ++next_;
    for (std::size_t i = next_; i < entries.size() && question.entries.size() < count; ++i) {
        if (!known_.count(KeyOf(entries[i])) && taken.insert(KeyOf(entries[i])).second)
            question.entries.push_back(entries[i]);
    }
    if (question.entries.empty())
        return std::nullopt;
    question.list = true;
    return question;
}

void GoneChecks::Asked(std::uint64_t list)
{
    asked_ = list;
    // Every list before it is answered, or was of another folder.
    forgotten_.clear();
}

bool GoneChecks::Apply(const std::string& folder, const GoneBatch& batch, const std::vector<std::string>& inView)
{
    if (batch.folder != folder || folder != folder_)
        return false;
    bool repaint = false;
    for (const auto& [key, gone] : batch.answers) {
        const auto forgotten = forgotten_.find(key);
        if (forgotten != forgotten_.end() && batch.list <= forgotten->second)
            continue;
        known_[key] = gone;
        if (gone != Gone::No) {
            for (const std::string& entry : inView)
                repaint = repaint || KeyOf(entry) == key;
        }
    }
    if (batch.last && batch.list == asked_)
        asked_ = 0;
    return repaint;
}

void GoneChecks::Forget(const std::string& entry)
{
    known_.erase(KeyOf(entry));
    if (asked_)
        forgotten_[KeyOf(entry)] = asked_;
    next_ = 0;
}

}  // namespace veskor
