#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/HistoryChange.h"
#include "history/HistoryEntries.h"
#include "platform/Platform.h"

namespace veskor {

// The master history, index 0 most recent. Duplicates and empty entries are allowed;
// Find and Sort compare whole texts with letter case ignored by the locale's rules.
// It changes only by loading and by the operations that keep a HistoryChange (Record to
// ChangeFolder below): a save replays those on what another copy of the program wrote.
class History {
public:
    using Snapshot = HistoryEntries::Snapshot;

    explicit History(const TextRules& rules);

    int Count() const { return entries_.Count(); }
    const std::string& At(int index) const { return entries_.At(index); }  // range error outside 0..Count-1
    const std::vector<std::string>& Entries() const { return entries_.All(); }
    // Shares the entries without copying them: the history list box shows the whole
    // history, or rows of it, on every key. The next change copies them once, if shared.
    Snapshot Share() const { return entries_.Share(); }
    int Find(const std::string& text) const;   // -1 when absent

    // The entries as the data file holds them: no change is kept.
    void Load(std::vector<std::string> entries) { entries_.Assign(std::move(entries)); }

    // Puts a confirmed text at the top: inserted when absent or when several list
    // items are selected, otherwise the stored entry (with its own letter case) moves up.
    // Returns true when the text was inserted.
    bool Record(const std::string& text, bool severalSelected);
    void RemoveFirst(const std::string& text);                    // the first equal entry, if any
    void Rename(const std::string& from, const std::string& to);  // RemoveFirst(from), `to` at the top
    void AddMissing(const std::string& text);                     // appended unless Find finds it
    void Clear();
    void Sort();
    // The shortcut folder changed; the entries stay. ChangedFolder: the last one kept, if any.
    void ChangeFolder(const std::string& folder);
    std::optional<std::string> ChangedFolder() const;
    int RemoveEach(std::vector<std::string> texts);  // every entry equal to one of them; returns how many went

    // The changes made through the operations above since the last ForgetChanges, in order.
    const std::vector<HistoryChange>& Changes() const { return changes_; }
    void ForgetChanges() { changes_.clear(); }
    void Replay(std::vector<HistoryChange> changes);  // another history's changes, kept here too

    // Changes with every modification, and is never the same for two histories of one
    // process, so views can cache what they derive from it.
    std::uint64_t Revision() const { return entries_.Revision(); }

private:
    // The one rule of each kind of change; true when it added an entry.
    bool Apply(const HistoryChange& change);
    int RemoveEqual(const std::vector<std::string>& texts);
    bool Keep(HistoryChange change);  // Apply, then remember the change

    const TextRules& rules_;
    HistoryEntries entries_;
    std::vector<HistoryChange> changes_;
};

}  // namespace veskor
