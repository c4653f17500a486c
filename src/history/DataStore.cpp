#include "history/DataStore.h"

#include "platform/Error.h"

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

std::optional<DataStore::Loaded> DataStore::Load(const std::string& path)
{
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
    baselineFolder_ = loaded.content.folder;
    return loaded;
}

void DataStore::Save(const std::string& path, std::string& folder, History& history)
{
    // Copies that close together take turns, so that each sees what the other wrote.
    const std::unique_ptr<FileLock> lock = platform_.LockFile(path);
    const std::optional<std::string> current = platform_.ReadToReplace(path);

    std::string backup = path + BackupSuffix;
    std::optional<DataFileContent> merged;
    if (current && current != baseline_) {
        // Another copy saved since this run read the file: its content with this run's
        // changes on top. A file damaged meanwhile raises here and is never written over.
        DataFileContent theirs = Read(*current, path);
        History list(platform_);
        list.Assign(std::move(theirs.entries));
        list.Replay(history.Changes());
        merged = DataFileContent{folder != baselineFolder_ ? folder : theirs.folder, list.Entries()};
    } else if (current && baselineDamaged_) {
        // Still the damaged file this run healed: it goes aside, and the backup that healed it stays.
        backup = path + DamagedSuffix;
    }

    const std::string bytes =
        merged ? SerializeDataFile(merged->folder, merged->entries) : SerializeDataFile(folder, history.Entries());
    platform_.WriteFileAtomically(path, bytes, backup);

    if (merged) {
        folder = std::move(merged->folder);
        history.Assign(std::move(merged->entries));
    }
    history.ForgetChanges();
    baseline_ = bytes;
    baselineFolder_ = folder;
    baselineDamaged_ = false;
}

}  // namespace veskor
