#include "search/SearchIndex.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "text/Cp932.h"
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
    startKeys_.clear();
    keyStarts_.clear();
    keysFiled_ = false;
    startEntries_.clear();
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
            boundary += CharLength(all.substr(0, *entry), boundary);
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

std::vector<std::uint32_t> SearchIndex::ReadingMatches(const History& history, const TextRules& rules,
                                                       const std::string& typed, bool partial)
{
    std::string lowered = typed;
    rules.LowerCase(lowered);
    // One pass with long vowels that may be typed short, which finds every entry the
    // spelling as typed finds too; each entry it finds is then read as typed, and those
    // found so are all that is shown when there are any.
    ReadingMatcher matcher(Folded(lowered), ReadingMatcher::LongVowels::MayBeShort);
    std::optional<ReadingMatcher> asSpelled;
    std::vector<std::uint32_t> shortened;
    Refresh(history, rules);
    if (foldedEnds_.size() != ends_.size()) {
        folded_.reserve(lowered_.size());
        foldedEnds_.reserve(ends_.size());
        size_t start = 0;
        for (size_t end : ends_) {
            AppendFolded(std::string_view(lowered_).substr(start, end - start), folded_);
            foldedEnds_.push_back(folded_.size());
            start = end;
        }
    }
    // A partial search looks only at the entries that hold a place where the typed text
    // can begin, marked by key, in the history's order.
    std::vector<std::uint32_t> indices;
    const std::u16string_view folded(folded_);
    auto read = [&](std::uint32_t i) {
        const size_t start = i == 0 ? 0 : foldedEnds_[i - 1];
        const std::u16string_view entry = folded.substr(start, foldedEnds_[i] - start);
        if (!matcher.Matches(entry, partial))
            return;
        if (!asSpelled)
            asSpelled.emplace(Folded(lowered));
        (asSpelled->Matches(entry, partial) ? indices : shortened).push_back(i);
    };
    if (!partial) {
        for (std::uint32_t i = 0; i < foldedEnds_.size(); ++i)
            read(i);
        return indices.empty() ? shortened : indices;
    }
    // Filed at the first partial search: a prefix search never needs them.
    if (!keysFiled_) {
        IndexStartKeys();
        keysFiled_ = true;
    }
    std::vector<std::uint64_t> holds((foldedEnds_.size() + 63) / 64);
    for (size_t k = 0; k < startKeys_.size(); ++k)
        if (matcher.MayStartWith(startKeys_[k]))
            for (std::uint32_t at = keyStarts_[k]; at < keyStarts_[k + 1]; ++at)
                holds[startEntries_[at] / 64] |= 1ull << (startEntries_[at] % 64);
    for (size_t word = 0; word < holds.size(); ++word)
        for (std::uint64_t bits = holds[word]; bits; bits &= bits - 1)
            read(static_cast<std::uint32_t>(word * 64 + std::countr_zero(bits)));
    return indices.empty() ? shortened : indices;
}

// Counts the places of each key, then files the entries by key: an entry that holds a
// key twice is filed twice, which marks it no differently.
void SearchIndex::IndexStartKeys()
{
    constexpr std::uint32_t Keys = 0x20000;
    std::vector<std::uint32_t> count(Keys, 0);
    auto eachKey = [&](auto&& take) {
        size_t start = 0;
        for (std::uint32_t i = 0; i < foldedEnds_.size(); ++i) {
            const std::u16string_view entry = std::u16string_view(folded_).substr(start, foldedEnds_[i] - start);
            for (size_t at = 0; at < entry.size(); ++at)
                take(ReadingMatcher::StartKey(entry, at), i);
            start = foldedEnds_[i];
        }
    };
    eachKey([&](std::uint32_t key, std::uint32_t) { ++count[key]; });
    std::uint32_t total = 0;
    for (std::uint32_t key = 0; key < Keys; ++key) {
        if (!count[key])
            continue;
        startKeys_.push_back(key);
        keyStarts_.push_back(total);
        const std::uint32_t entries = count[key];
        count[key] = total;  // from here on: where the key's next entry goes
        total += entries;
    }
    keyStarts_.push_back(total);
    startEntries_.resize(total);
    eachKey([&](std::uint32_t key, std::uint32_t i) { startEntries_[count[key]++] = i; });
}

}  // namespace veskor
