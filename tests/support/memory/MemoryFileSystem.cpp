#include <algorithm>
#include <cctype>
#include <utility>

#include "text/Error.h"
#include "support/memory/MemoryPlatform.h"

namespace veskor {

const MemoryPlatform::Entry* MemoryPlatform::Find(const std::string& path) const
{
    const auto it = entries_.find(Key(path));
    return it == entries_.end() ? nullptr : &it->second;
}

MemoryPlatform::Entry* MemoryPlatform::Find(const std::string& path)
{
    const auto it = entries_.find(Key(path));
    return it == entries_.end() ? nullptr : &it->second;
}

bool MemoryPlatform::ParentIsFolder(const std::string& path) const
{
    const SplitPath split = Split(path);
    if (split.names.empty())
        return false;
    const auto it = entries_.find(Lower(Join(split.root, split.names, split.names.size() - 1)));
    return it != entries_.end() && it->second.folder;
}

MemoryPlatform::Entry& MemoryPlatform::Put(const std::string& path, bool folder)
{
    const SplitPath split = Split(path);
    Entry entry;
    entry.path = Join(split.root, split.names, split.names.size());
    entry.name = split.names.empty() ? split.root : split.names.back();
    if (!split.names.empty())
        entry.parentKey = Lower(Join(split.root, split.names, split.names.size() - 1));
    entry.folder = folder;
    entry.order = nextOrder_++;
    return entries_[Lower(entry.path)] = std::move(entry);
}

void MemoryPlatform::RaiseOpen(const std::string& path, const char* systemText) const
{
    throw OpenFileError(path, systemText);
}

void MemoryPlatform::RaiseCreate(const std::string& path, const char* systemText) const
{
    throw CreateFileError(path, systemText);
}

bool MemoryPlatform::FileExists(const std::string& path)
{
    const Entry* entry = Find(path);
    return entry && !entry->folder;
}

bool MemoryPlatform::DirectoryExists(const std::string& path)
{
    const Entry* entry = Find(path);
    return entry && entry->folder;
}

// Names here are CP932: a path with a character it cannot write names nothing here.
PathPresence MemoryPlatform::Presence(const ExactText& path)
{
    if (unopenable_.count(Key(path.Text())))
        return PathPresence::Unknown;
    return path.Unwritables().empty() && Find(path.Text()) ? PathPresence::Present : PathPresence::Missing;
}

DriveKind MemoryPlatform::DriveOf(const std::string& path)
{
    if (path.size() < 2 || path[1] != ':' || !std::isalpha(static_cast<unsigned char>(path[0])))
        return DriveKind::Other;
    const auto it = drives.find(static_cast<char>(std::toupper(static_cast<unsigned char>(path[0]))));
    return it == drives.end() ? DriveKind::Fixed : it->second;
}

bool MemoryPlatform::CreateFolder(const std::string& path)
{
    if (uncreatableFolders_.count(Key(path)) || Find(path) || !ParentIsFolder(path))
        return false;
    Put(path, true);
    return true;
}

// A rename keeps the entry's place in the enumeration: it is the same file under a new name.
bool MemoryPlatform::RenameFile(const std::string& from, const std::string& to)
{
    const std::string fromKey = Key(from);
    const std::string toKey = Key(to);
    const auto source = entries_.find(fromKey);
    if (source == entries_.end() || unopenable_.count(fromKey))
        return false;
    if (toKey != fromKey && (entries_.count(toKey) || !ParentIsFolder(to)))
        return false;
    if (toKey.compare(0, fromKey.size() + 1, fromKey + "\\") == 0)
        return false;  // a folder into itself

    const std::string oldPath = source->second.path;
    const std::uint64_t order = source->second.order;
    Entry moved = std::move(source->second);
    entries_.erase(source);
    Entry& renamed = Put(to, moved.folder);
    renamed.bytes = std::move(moved.bytes);
    renamed.link = std::move(moved.link);
    renamed.order = order;

    if (renamed.folder) {
        std::vector<Entry> inside;
        for (auto it = entries_.begin(); it != entries_.end();) {
            if (it->first.compare(0, fromKey.size() + 1, fromKey + "\\") == 0) {
                inside.push_back(std::move(it->second));
                it = entries_.erase(it);
            } else {
                ++it;
            }
        }
        for (Entry& entry : inside) {
            entry.path = renamed.path + entry.path.substr(oldPath.size());
            const std::string key = Lower(entry.path);
            entry.parentKey = Lower(entry.path.substr(0, entry.path.size() - entry.name.size() - 1));
            entries_[key] = std::move(entry);
        }
    }
    return true;
}

void MemoryPlatform::DeleteFile(const std::string& path)
{
    const std::string key = Key(path);
    const auto it = entries_.find(key);
    if (it != entries_.end() && !it->second.folder && !unopenable_.count(key))
        entries_.erase(it);
}

// The failures are those CopyFile gives for each kind of fault, all naming the copy.
void MemoryPlatform::CopyFile(const std::string& from, const std::string& to)
{
    const Entry* source = Find(from);
    if (unopenable_.count(Key(from)))
        RaiseCreate(to, systext::SharingViolation);
    if (!source)
        RaiseCreate(to, ParentIsFolder(from) ? systext::FileNotFound : systext::PathNotFound);
    if (source->folder)
        RaiseCreate(to, systext::AccessDenied);
    if (Find(to))
        RaiseCreate(to, systext::FileExists);
    if (!ParentIsFolder(to))
        RaiseCreate(to, systext::PathNotFound);
    if (unwritable_.count(Key(to)))
        RaiseCreate(to, systext::DiskFull);
    const Entry copy = *source;
    Entry& target = Put(to, false);
    target.bytes = copy.bytes;
    target.link = copy.link;
}

LinkListing MemoryPlatform::ListLinks(const std::string& folder)
{
    // "*.lnk" matches the extension in any letter case, and folders too.
    std::vector<std::string> names = Names(folder);
    std::erase_if(names, [this](const std::string& name) {
        std::string lower = name;
        LowerCase(lower);
        return lower.size() < 4 || lower.compare(lower.size() - 4, 4, ".lnk") != 0;
    });
    const auto unnamable = unnamableLinks_.find(Key(folder));
    return {names, unnamable == unnamableLinks_.end() ? 0 : unnamable->second};
}

void MemoryPlatform::AddUnnamableLink(const std::string& folder)
{
    ++unnamableLinks_[Key(folder)];
}

std::string MemoryPlatform::ReadWholeFile(const std::string& path)
{
    if (unopenable_.count(Key(path)))
        RaiseOpen(path, systext::SharingViolation);
    const Entry* entry = Find(path);
    if (!entry)
        RaiseOpen(path, ParentIsFolder(path) ? systext::FileNotFound : systext::PathNotFound);
    if (entry->folder)
        RaiseOpen(path, systext::AccessDenied);
    return entry->bytes;
}

std::optional<std::string> MemoryPlatform::ReadToReplace(const std::string& path)
{
    const Entry* entry = Find(path);
    if (unopenable_.count(Key(path)))
        RaiseCreate(path, systext::SharingViolation);
    if (entry && entry->folder)
        RaiseCreate(path, systext::AccessDenied);
    if (!entry)
        return std::nullopt;
    return entry->bytes;
}

void MemoryPlatform::WriteFileAtomically(const std::string& path, const std::string& bytes, const std::string& backup)
{
    if (beforeReplace)
        std::exchange(beforeReplace, nullptr)(path);
    if (!ParentIsFolder(path))
        RaiseCreate(path, systext::PathNotFound);
    Entry* entry = Find(path);
    if (entry && entry->folder)
        RaiseCreate(path, systext::AccessDenied);
    // The bytes go to a temporary file first: a write that stops leaves the old file as it was.
    if (unwritable_.count(Key(path)))
        RaiseCreate(path, systext::DiskFull);
    if (entry) {
        // The old file becomes the backup in the same step as the new one takes its place.
        const Entry* old = Find(backup);
        if (unopenable_.count(Key(path)) || unopenable_.count(Key(backup)))
            RaiseCreate(path, systext::SharingViolation);
        if (old && old->folder)
            RaiseCreate(path, systext::AccessDenied);
        const std::string previous = std::move(entry->bytes);
        entries_.erase(Key(backup));
        Put(backup, false).bytes = previous;
        entry = Find(path);
    } else {
        entry = &Put(path, false);
    }
    entry->bytes = bytes;
    entry->link.reset();
}

std::unique_ptr<FileLock> MemoryPlatform::LockFile(const std::string& path, FileUse use)
{
    class Lock : public FileLock {
    public:
        Lock(std::set<std::string>& locked, std::string key) : locked_(locked), key_(std::move(key)) {}
        ~Lock() override { locked_.erase(key_); }

    private:
        std::set<std::string>& locked_;
        std::string key_;
    };
    const std::string key = Key(path);
    if (!locked_.insert(key).second) {
        if (use == FileUse::Read)
            RaiseOpen(path, systext::Timeout);
        RaiseCreate(path, systext::Timeout);
    }
    return std::make_unique<Lock>(locked_, key);
}

void MemoryPlatform::AddFolder(const std::string& path)
{
    const SplitPath split = Split(path);
    for (size_t count = 0; count <= split.names.size(); ++count) {
        const std::string prefix = Join(split.root, split.names, count);
        if (!entries_.count(Lower(prefix)))
            Put(prefix, true);
    }
}

void MemoryPlatform::AddFile(const std::string& path, const std::string& bytes)
{
    const SplitPath split = Split(path);
    AddFolder(Join(split.root, split.names, split.names.empty() ? 0 : split.names.size() - 1));
    Entry* entry = Find(path);
    if (!entry)
        entry = &Put(path, false);
    entry->bytes = bytes;
    entry->link.reset();
}

bool MemoryPlatform::Exists(const std::string& path) const
{
    return Find(path) != nullptr;
}

std::optional<std::string> MemoryPlatform::Bytes(const std::string& path) const
{
    const Entry* entry = Find(path);
    if (!entry || entry->folder)
        return std::nullopt;
    return entry->bytes;
}

std::string MemoryPlatform::StoredName(const std::string& path) const
{
    const Entry* entry = Find(path);
    return entry ? entry->name : std::string();
}

std::vector<std::string> MemoryPlatform::Names(const std::string& folder) const
{
    const std::string folderKey = Key(folder);
    std::vector<const Entry*> found;
    for (const auto& [key, entry] : entries_) {
        if (entry.parentKey == folderKey)
            found.push_back(&entry);
    }
    std::sort(found.begin(), found.end(), [](const Entry* a, const Entry* b) { return a->order < b->order; });
    std::vector<std::string> names;
    for (const Entry* entry : found)
        names.push_back(entry->name);
    return names;
}

void MemoryPlatform::FailToOpen(const std::string& path)
{
    unopenable_.insert(Key(path));
}

void MemoryPlatform::FailToWrite(const std::string& path)
{
    unwritable_.insert(Key(path));
}

void MemoryPlatform::Mend(const std::string& path)
{
    unopenable_.erase(Key(path));
    unwritable_.erase(Key(path));
}

void MemoryPlatform::FailToCreateFolder(const std::string& path)
{
    uncreatableFolders_.insert(Key(path));
}

}  // namespace veskor
