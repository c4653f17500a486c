#include "history/DataStore.h"

#include "text/Error.h"

namespace veskor {

namespace {
constexpr const char* BackupSuffix = ".bak";
constexpr const char* DamagedSuffix = ".damaged";
}  // namespace

DataFileContent DataStore::Read(const std::string& bytes, const std::string& path)
{
    DataFileContent content = ParseDataFile(bytes, path);
    if (content.folder.empty())
        content.folder = platform_.CurrentDirectory();
    return content;
}

// A backup that is missing, cannot be opened or is damaged too heals nothing.
std::optional<DataFileContent> DataStore::ReadBackup(const std::string& path)
{
    if (!platform_.FileExists(path))
        return std::nullopt;
    try {
        return Read(platform_.ReadWholeFile(path), path);
    } catch (const Error&) {
        return std::nullopt;
    }
}

std::optional<DataFileContent> DataStore::ReadOrNothing(const std::string& bytes, const std::string& path)
{
    try {
        return Read(bytes, path);
    } catch (const Error&) {
        return std::nullopt;
    }
}

std::optional<DataStore::Loaded> DataStore::Load(const std::string& path)
{
    // A start during another copy's save waits for it, and then reads the file it wrote.
    const std::unique_ptr<FileLock> lock = platform_.LockFile(path, FileUse::Read);
    if (!platform_.FileExists(path))
        return std::nullopt;
    // A file held open by another program raises here: it is not damaged, only out of reach.
    std::string bytes = platform_.ReadWholeFile(path);
    Loaded loaded;
    try {
        loaded.content = Read(bytes, path);
    } catch (const Error&) {
        const std::string backup = path + BackupSuffix;
        std::optional<DataFileContent> previous = ReadBackup(backup);
        if (!previous)
            throw;
        loaded.content = std::move(*previous);
        loaded.healed = "ファイル \"" + path + "\" は壊れているため、前回の保存 \"" + backup +
                        "\" から履歴を復元しました。壊れたファイルは次の保存で \"" + path + DamagedSuffix +
                        "\" として残します";
        baselineDamaged_ = true;
    }
    baseline_ = std::move(bytes);
    return loaded;
}

std::string DataStore::Save(const std::string& path, std::string& folder, History& history)
{
    // Copies that close together take turns, so that each sees what the other wrote.
    const std::unique_ptr<FileLock> lock = platform_.LockFile(path, FileUse::Save);
    const std::optional<std::string> current = platform_.ReadToReplace(path);

    std::string backup = path + BackupSuffix;
    std::string notice;
    std::optional<DataFileContent> merged;
    std::optional<DataFileContent> theirs;
    if (current && current != baseline_)
        theirs = ReadOrNothing(*current, path);
    if (theirs) {
        // Another copy saved since this run read the file: its content with this run's
        // changes on top.
        History list(platform_);
        list.Load(std::move(theirs->entries));
        list.Replay(history.Changes());
        merged = DataFileContent{history.ChangedFolder().value_or(theirs->folder), list.Entries()};
    } else if (current && current != baseline_) {
        // Damaged by something else while this window was open: it goes aside as the start
        // heals it, and what this run read, with its own changes, takes its place. The
        // backup stays as it was; the window can always close.
        backup = path + DamagedSuffix;
        notice = "ファイル \"" + path + "\" は開いている間に壊されていたため \"" + backup +
                 "\" として残し、この画面の履歴を保存しました";
    } else if (current && baselineDamaged_) {
        // Still the damaged file this run healed: it goes aside, and the backup that healed it stays.
        backup = path + DamagedSuffix;
    }

    const std::string bytes =
        merged ? SerializeDataFile(merged->folder, merged->entries) : SerializeDataFile(folder, history.Entries());
    platform_.WriteFileAtomically(path, bytes, backup);

    if (merged) {
        folder = std::move(merged->folder);
        history.Load(std::move(merged->entries));
    }
    history.ForgetChanges();
    baseline_ = bytes;
    baselineDamaged_ = false;
    return notice;
}

}  // namespace veskor
