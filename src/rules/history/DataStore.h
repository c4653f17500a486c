#pragma once
#include <optional>
#include <string>

#include "history/DataFile.h"
#include "history/History.h"
#include "platform/Platform.h"

namespace veskor {

// The run's dealings with its data file. Several copies of the program may run at once,
// each with its own view of the history: a save writes this run's view only while the
// file still holds what this run last read or wrote there, and otherwise replays this
// run's changes on what the file holds now. Every save keeps the file it replaces as
// "<file>.bak", from which a damaged file is healed at the next start; a damaged file goes
// aside as "<file>.damaged". Loads and saves of all copies take turns under one lock.
class DataStore {
public:
    explicit DataStore(Platform& platform) : platform_(platform) {}

    struct Loaded {
        DataFileContent content;  // an empty folder field reads as the current directory
        std::string healed;       // what to tell the user when the content came from the backup
    };
    // Nothing when the file does not exist. A file that cannot be opened, or that is damaged
    // while its backup is missing or no better, raises.
    std::optional<Loaded> Load(const std::string& path);

    // Writes the folder and the history, merged with what another copy wrote meanwhile;
    // afterwards both hold what was written. A failure raises and changes nothing, so a
    // later save can try again. Returns what to tell the user when the file had been
    // damaged meanwhile and was kept aside; empty otherwise.
    std::string Save(const std::string& path, std::string& folder, History& history);

private:
    DataFileContent Read(const std::string& bytes, const std::string& path);
    std::optional<DataFileContent> ReadOrNothing(const std::string& bytes, const std::string& path);
    std::optional<DataFileContent> ReadBackup(const std::string& path);

    Platform& platform_;
    std::optional<std::string> baseline_;  // the file as this run last read or wrote it; none: no file
    bool baselineDamaged_ = false;         // the file was damaged and the history came from the backup
};

}  // namespace veskor
