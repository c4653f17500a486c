#include "history/HistoryEntries.h"

#include <algorithm>
#include <atomic>

#include "text/Error.h"

namespace veskor {

namespace {
std::atomic<std::uint64_t> lastRevision{0};
}

HistoryEntries::HistoryEntries() : entries_(std::make_shared<std::vector<std::string>>()), revision_(++lastRevision) {}

std::vector<std::string>& HistoryEntries::Writable()
{
    if (entries_.use_count() > 1)
        entries_ = std::make_shared<std::vector<std::string>>(*entries_);
    return *entries_;
}

void HistoryEntries::Changed()
{
    revision_ = ++lastRevision;
}

void HistoryEntries::CheckIndex(int index, int limit) const
{
    if (index < 0 || index > limit)
        throw IndexError(index);
}

const std::string& HistoryEntries::At(int index) const
{
    CheckIndex(index, Count() - 1);
    return (*entries_)[static_cast<size_t>(index)];
}

void HistoryEntries::Append(std::string text)
{
    Writable().push_back(std::move(text));
    Changed();
}

void HistoryEntries::Insert(int index, std::string text)
{
    CheckIndex(index, Count());
    std::vector<std::string>& entries = Writable();
    entries.insert(entries.begin() + index, std::move(text));
    Changed();
}

void HistoryEntries::RemoveAt(int index)
{
    CheckIndex(index, Count() - 1);
    std::vector<std::string>& entries = Writable();
    entries.erase(entries.begin() + index);
    Changed();
}

void HistoryEntries::Move(int from, int to)
{
    if (from == to)
        return;
    CheckIndex(from, Count() - 1);
    CheckIndex(to, Count() - 1);
    std::vector<std::string>& entries = Writable();
    std::string text = std::move(entries[static_cast<size_t>(from)]);
    entries.erase(entries.begin() + from);
    entries.insert(entries.begin() + to, std::move(text));
    Changed();
}

void HistoryEntries::Assign(std::vector<std::string> entries)
{
    entries_ = std::make_shared<std::vector<std::string>>(std::move(entries));
    Changed();
}

void HistoryEntries::Sort(const std::function<bool(const std::string&, const std::string&)>& less)
{
    if (entries_->size() < 2)
        return;
    std::vector<std::string>& entries = Writable();
    // A merge sort stays in bounds even if the comparison were inconsistent.
    std::stable_sort(entries.begin(), entries.end(), less);
    Changed();
}

}  // namespace veskor
