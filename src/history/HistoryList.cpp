#include "history/HistoryList.h"

#include <algorithm>
#include <atomic>

#include "platform/Error.h"

namespace veskor {

namespace {
std::atomic<std::uint64_t> lastRevision{0};
}

History::History(const TextRules& rules)
    : rules_(rules), entries_(std::make_shared<std::vector<std::string>>()), revision_(++lastRevision)
{
}

std::vector<std::string>& History::Writable()
{
    if (entries_.use_count() > 1)
        entries_ = std::make_shared<std::vector<std::string>>(*entries_);
    return *entries_;
}

void History::Changed()
{
    revision_ = ++lastRevision;
}

void History::CheckIndex(int index, int limit) const
{
    if (index < 0 || index > limit)
        throw IndexError(index);
}

const std::string& History::At(int index) const
{
    CheckIndex(index, Count() - 1);
    return (*entries_)[static_cast<size_t>(index)];
}

void History::Append(std::string text)
{
    Writable().push_back(std::move(text));
    Changed();
}

void History::Insert(int index, std::string text)
{
    CheckIndex(index, Count());
    std::vector<std::string>& entries = Writable();
    entries.insert(entries.begin() + index, std::move(text));
    Changed();
}

void History::RemoveAt(int index)
{
    CheckIndex(index, Count() - 1);
    std::vector<std::string>& entries = Writable();
    entries.erase(entries.begin() + index);
    Changed();
}

void History::Move(int from, int to)
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

int History::Find(const std::string& text) const
{
    const std::vector<std::string>& entries = *entries_;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (rules_.CompareText(entries[i], text) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

void History::Assign(std::vector<std::string> entries)
{
    entries_ = std::make_shared<std::vector<std::string>>(std::move(entries));
    Changed();
}

bool History::Apply(const HistoryChange& change)
{
    using Kind = HistoryChange::Kind;
    switch (change.kind) {
    case Kind::Record: {
        const int found = Find(change.text);
        if (found == -1 || change.severalSelected) {
            Insert(0, change.text);
            return true;
        }
        Move(found, 0);
        return false;
    }
    case Kind::Remove:
    case Kind::Rename: {
        const int found = Find(change.kind == Kind::Remove ? change.text : change.from);
        if (found != -1)
            RemoveAt(found);
        if (change.kind == Kind::Remove)
            return false;
        Insert(0, change.text);
        return true;
    }
    case Kind::AddMissing:
        if (Find(change.text) != -1)
            return false;
        Append(change.text);
        return true;
    case Kind::Clear:
        entries_ = std::make_shared<std::vector<std::string>>();
        Changed();
        return false;
    case Kind::Sort:
        if (entries_->size() < 2)
            return false;
        {
            std::vector<std::string>& entries = Writable();
            // A merge sort stays in bounds even if the locale comparison were inconsistent.
            std::stable_sort(entries.begin(), entries.end(), [this](const std::string& a, const std::string& b) {
                return rules_.CompareText(a, b) < 0;
            });
        }
        Changed();
        return false;
    case Kind::RemoveEach:
        RemoveEqual(change.texts);
        return false;
    }
    return false;
}

int History::RemoveEqual(const std::vector<std::string>& texts)
{
    std::vector<std::string> sorted = texts;
    const auto less = [this](const std::string& a, const std::string& b) { return rules_.CompareText(a, b) < 0; };
    std::stable_sort(sorted.begin(), sorted.end(), less);
    const auto named = [&](const std::string& entry) { return std::binary_search(sorted.begin(), sorted.end(), entry, less); };
    if (std::none_of(entries_->begin(), entries_->end(), named))
        return 0;
    std::vector<std::string>& entries = Writable();
    const auto kept = std::remove_if(entries.begin(), entries.end(), named);
    const int removed = static_cast<int>(entries.end() - kept);
    entries.erase(kept, entries.end());
    Changed();
    return removed;
}

bool History::Keep(HistoryChange change)
{
    const bool added = Apply(change);
    changes_.push_back(std::move(change));
    return added;
}

bool History::Record(const std::string& text, bool severalSelected)
{
    return Keep({HistoryChange::Kind::Record, text, {}, severalSelected});
}

void History::RemoveFirst(const std::string& text)
{
    Keep({HistoryChange::Kind::Remove, text, {}, false});
}

void History::Rename(const std::string& from, const std::string& to)
{
    Keep({HistoryChange::Kind::Rename, to, from, false});
}

void History::AddMissing(const std::string& text)
{
    Keep({HistoryChange::Kind::AddMissing, text, {}, false});
}

void History::Clear()
{
    Keep({HistoryChange::Kind::Clear, {}, {}, false});
}

void History::Sort()
{
    Keep({HistoryChange::Kind::Sort, {}, {}, false});
}

int History::RemoveEach(std::vector<std::string> texts)
{
    const int before = Count();
    HistoryChange change{HistoryChange::Kind::RemoveEach, {}, {}, false};
    change.texts = std::move(texts);
    Keep(std::move(change));
    return before - Count();
}

void History::Replay(std::vector<HistoryChange> changes)
{
    for (HistoryChange& change : changes)
        Keep(std::move(change));
}

}  // namespace veskor
