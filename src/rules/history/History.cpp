#include "history/History.h"

#include <algorithm>

namespace veskor {

History::History(const TextRules& rules) : rules_(rules) {}

int History::Find(const std::string& text) const
{
    const std::vector<std::string>& entries = entries_.All();
    for (size_t i = 0; i < entries.size(); ++i) {
        if (rules_.CompareText(entries[i], text) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

bool History::Apply(const HistoryChange& change)
{
    using Kind = HistoryChange::Kind;
    switch (change.kind) {
    case Kind::Record: {
        const int found = Find(change.text);
        if (found == -1 || change.severalSelected) {
            entries_.Insert(0, change.text);
            return true;
        }
        entries_.Move(found, 0);
        return false;
    }
    case Kind::Remove:
    case Kind::Rename: {
        const int found = Find(change.kind == Kind::Remove ? change.text : change.from);
        if (found != -1)
            entries_.RemoveAt(found);
        if (change.kind == Kind::Remove)
            return false;
        entries_.Insert(0, change.text);
        return true;
    }
    case Kind::AddMissing:
        if (Find(change.text) != -1)
            return false;
        entries_.Append(change.text);
        return true;
    case Kind::Clear:
        entries_.Assign({});
        return false;
    case Kind::Sort:
        entries_.Sort([this](const std::string& a, const std::string& b) { return rules_.CompareText(a, b) < 0; });
        return false;
    case Kind::Folder:  // the store takes it from ChangedFolder
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
    std::vector<std::string> kept;
    for (const std::string& entry : entries_.All()) {
        if (!std::binary_search(sorted.begin(), sorted.end(), entry, less))
            kept.push_back(entry);
    }
    const int removed = Count() - static_cast<int>(kept.size());
    if (removed > 0)
        entries_.Assign(std::move(kept));
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

void History::ChangeFolder(const std::string& folder)
{
    Keep({HistoryChange::Kind::Folder, folder, {}, false});
}

std::optional<std::string> History::ChangedFolder() const
{
    for (auto change = changes_.rbegin(); change != changes_.rend(); ++change) {
        if (change->kind == HistoryChange::Kind::Folder)
            return change->text;
    }
    return std::nullopt;
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
