#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace veskor {

// The history's entries by index, index 0 most recent. Shared with the views that show
// them without copying, and copied once when changed while shared. Only History
// holds one: the commands change the history by the meaning of their change, never by index.
class HistoryEntries {
public:
    // The entries as they are now; a change later leaves them as they are.
    using Snapshot = std::shared_ptr<const std::vector<std::string>>;

    HistoryEntries();

    int Count() const { return static_cast<int>(entries_->size()); }
    const std::string& At(int index) const;  // range error outside 0..Count-1
    const std::vector<std::string>& All() const { return *entries_; }
    Snapshot Share() const { return entries_; }

    void Append(std::string text);
    void Insert(int index, std::string text);  // 0 <= index <= Count
    void RemoveAt(int index);
    void Move(int from, int to);
    void Assign(std::vector<std::string> entries);
    void Sort(const std::function<bool(const std::string&, const std::string&)>& less);

    // Changes with every modification, and is never the same for two lists of one
    // process, so views can cache what they derive from it.
    std::uint64_t Revision() const { return revision_; }

private:
    void CheckIndex(int index, int limit) const;
    std::vector<std::string>& Writable();  // no longer shared with any snapshot
    void Changed();

    std::shared_ptr<std::vector<std::string>> entries_;
    std::uint64_t revision_;
};

}  // namespace veskor
