#include "search/SearchIndex.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/Cp932.h"
#include "search/Reading.h"

namespace veskor {

void SearchIndex::Refresh(const History& history, const TextRules& rules)
{
    if (history_ == &history && rules_ == &rules && revision_ == history.Revision())
        return;
    const std::vector<std::string>& entries = history.Entries();
    size_t total = 0;
    for (const std::string& entry : entries)
        total += entry.size();
    lowered_.clear();
    lowered_.reserve(total);
    ends_.clear();
    ends_.reserve(entries.size());
    std::string scratch;
    for (const std::string& entry : entries) {
        // Each entry on its own: the locale's rules read a double-byte character whole,
        // and an entry may end in half of one.
        scratch.assign(entry);
        rules.LowerCase(scratch);
        lowered_ += scratch;
        ends_.push_back(lowered_.size());
    }
    folded_.clear();
    foldedEnds_.clear();
    foldedSummaries_.clear();
    history_ = &history;
    rules_ = &rules;
    revision_ = history.Revision();
}

std::vector<std::uint32_t> SearchIndex::PrefixMatches(const std::string& needle) const
{
    std::vector<std::uint32_t> found;
    const char* base = lowered_.data();
    const char* key = needle.data();
    const size_t length = needle.size();
    const char first = key[0];
    size_t start = 0;
    for (size_t i = 0; i < ends_.size(); ++i) {
        const size_t end = ends_[i];
        if (end - start >= length && base[start] == first && std::memcmp(base + start, key, length) == 0)
            found.push_back(static_cast<std::uint32_t>(i));
        start = end;
    }
    return found;
}

// One scan over all entries back to back; an occurrence that runs into the next entry
// is not one, nor is one that starts on the second byte of a double-byte character ("a"
// inside ヂ, "\\" inside 表). Once an entry matched, no later occurrence in it counts.
std::vector<std::uint32_t> SearchIndex::PartialMatches(const std::string& needle) const
{
    std::vector<std::uint32_t> found;
    const std::string_view all(lowered_);
    size_t from = 0;
    size_t boundary = 0;  // a character boundary of the entry being scanned, at most `from`
    auto entry = ends_.begin();
    while (entry != ends_.end()) {
        const size_t at = all.find(needle, from);
        if (at == std::string_view::npos)
            break;
        const auto hit = std::upper_bound(entry, ends_.end(), at);
        if (hit != entry) {
            entry = hit;
            boundary = entry == ends_.begin() ? 0 : *(entry - 1);
        }
        // An entry may end in half a character: the walk never crosses its end.
        while (boundary < at)
            boundary += IsLeadByte(static_cast<unsigned char>(all[boundary])) && boundary + 1 < *entry ? 2 : 1;
        if (boundary != at) {
            from = at + 1;
            continue;
        }
        if (at + needle.size() <= *entry)
            found.push_back(static_cast<std::uint32_t>(entry - ends_.begin()));
        from = boundary = *entry;
        ++entry;
    }
    return found;
}

std::vector<std::uint32_t> SearchIndex::Matches(const History& history, const TextRules& rules,
                                                const std::string& typed, bool partial)
{
    if (typed.empty())
        return {};
    Refresh(history, rules);
    std::string needle = typed;
    rules.LowerCase(needle);
    if (needle.empty())
        return {};
    return partial ? PartialMatches(needle) : PrefixMatches(needle);
}

std::vector<std::string> SearchIndex::Filter(const History& history, const TextRules& rules,
                                             const std::string& typed, bool partial)
{
    return EntriesAt(history, Matches(history, rules, typed, partial));
}

std::vector<std::string> SearchIndex::ReadingFilter(const History& history, const TextRules& rules,
                                                    const std::string& typed, bool partial)
{
    return EntriesAt(history, ReadingMatches(history, rules, typed, partial));
}

std::vector<std::uint32_t> SearchIndex::ReadingMatches(const History& history, const TextRules& rules,
                                                       const std::string& typed, bool partial)
{
    std::string lowered = typed;
    rules.LowerCase(lowered);
    ReadingMatcher matcher(Folded(lowered));
    Refresh(history, rules);
    if (foldedEnds_.size() != ends_.size()) {
        folded_.reserve(lowered_.size());
        foldedEnds_.reserve(ends_.size());
        foldedSummaries_.reserve(ends_.size());
        size_t start = 0;
        for (size_t end : ends_) {
            const size_t from = folded_.size();
            AppendFolded(std::string_view(lowered_).substr(start, end - start), folded_);
            foldedEnds_.push_back(folded_.size());
            foldedSummaries_.push_back(ReadingMatcher::Summarize(std::u16string_view(folded_).substr(from)));
            start = end;
        }
    }
    std::vector<std::uint32_t> indices;
    size_t start = 0;
    for (size_t i = 0; i < foldedEnds_.size(); ++i) {
        const size_t end = foldedEnds_[i];
        if ((!partial || matcher.MayHold(foldedSummaries_[i])) &&
            matcher.Matches(std::u16string_view(folded_).substr(start, end - start), partial))
            indices.push_back(static_cast<std::uint32_t>(i));
        start = end;
    }
    return indices;
}

std::vector<std::string> SearchIndex::EntriesAt(const History& history, const std::vector<std::uint32_t>& indices)
{
    const std::vector<std::string>& entries = history.Entries();
    std::vector<std::string> matching;
    matching.reserve(indices.size());
    for (std::uint32_t index : indices)
        matching.push_back(entries[index]);
    return matching;
}

}  // namespace veskor
