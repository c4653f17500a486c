#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "history/History.h"
#include "platform/Platform.h"
#include "search/Folding.h"
#include "search/Reading.h"

namespace veskor {

// The incremental search runs on every key release over the whole history, so the
// history is lower-cased once per change of it rather than once per key.
class SearchIndex {
public:
    SearchIndex() = default;

    // The entries of `history`, as indices in its order, whose lower-cased text begins
    // with (prefix) or contains (partial) the lower-cased `typed`, compared byte for byte;
    // an occurrence inside the entry starts on a character boundary of it, never on the
    // second byte of a double-byte character. An empty `typed` matches nothing.
    std::vector<std::uint32_t> Matches(const History& history, const TextRules& rules, const std::string& typed,
                                       bool partial);
    // The entries, as indices, whose folded text begins with (prefix) or holds (partial)
    // the folded `typed`, typed letters read as romaji (search/Reading.h): what the list
    // shows when nothing matches literally. When none reads so, those that read so with
    // long vowels typed short (tokyo 東京). The folded copy is made on first need after a
    // change.
    std::vector<std::uint32_t> ReadingMatches(const History& history, const TextRules& rules,
                                              const std::string& typed, bool partial);

    // Lower-cases the history now, when it changed since, so that the next key does not
    // wait for it: the first key over a long history would otherwise.
    void Prepare(const History& history, const TextRules& rules) { Refresh(history, rules); }

private:
    void Refresh(const History& history, const TextRules& rules);
    std::vector<std::uint32_t> PrefixMatches(const std::string& needle) const;
    std::vector<std::uint32_t> PartialMatches(const std::string& needle) const;

    // Every lower-cased entry, back to back; entry i ends at ends_[i].
    std::string lowered_;
    std::vector<std::size_t> ends_;
    // The lower-cased entries folded, back to back; entry i ends at foldedEnds_[i].
    // Empty until a reading search needs them.
    FoldedText folded_;
    std::vector<std::size_t> foldedEnds_;
    // Which entries hold each place where a partial reading search may begin
    // (ReadingMatcher::StartKey), filed when the first one needs them:
    // the entries of startKeys_[i] are startEntries_[keyStarts_[i]] up to
    // startEntries_[keyStarts_[i + 1]], ascending, an entry once for each place.
    std::vector<std::uint32_t> startKeys_;
    std::vector<std::uint32_t> keyStarts_;
    std::vector<std::uint32_t> startEntries_;
    bool keysFiled_ = false;
    void IndexStartKeys();
    const History* history_ = nullptr;
    const TextRules* rules_ = nullptr;
    std::uint64_t revision_ = 0;
};

}  // namespace veskor
