#pragma once
#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

#include "search/Folding.h"

namespace veskor {

// Reads a typed text against entries, both folded: a unit matches the same unit, and
// typed ASCII letters match kana as romaji, in every spelling Hepburn or an input
// method gives them (shi/si, tsu/tu, ja/jya/zya, nn/n'/n before a consonant for ん, a
// doubled consonant for っ, x or l for small kana, "-" for ー). When the typed text
// ends inside a syllable ("k", "ky", "ts"), it matches any kana whose romaji begins so.
// Kanji are not read.
class ReadingMatcher {
public:
    explicit ReadingMatcher(FoldedText typed);

    // What a partial search needs to know of an entry to pass it over without looking
    // at its units: each unit as one of 64 bits, and each unit with the kind of unit
    // after it (itself, or any kana) as another.
    struct Summary {
        std::uint64_t units = 0;
        std::uint64_t pairs = 0;
    };
    static Summary Summarize(std::u16string_view entry);
    // False when the entry holds no place where the typed text can begin.
    bool MayHold(const Summary& entry) const { return (entry.units & unitStarts_) || (entry.pairs & pairStarts_); }

    // Whether the entry begins with the typed text (prefix) or holds it from any of its
    // characters on (partial). An empty typed text matches nothing.
    bool Matches(std::u16string_view entry, bool partial);

private:
    void CanStartAt(char16_t unit);
    bool From(size_t typedAt, size_t entryAt);

    FoldedText typed_;
    std::u16string_view entry_;
    std::bitset<0x10000> startsMatch_;  // entry units the first typed unit can match
    // Those units as a Summary: a kana by itself; a unit matched as it is, with the
    // kind of unit the second typed one needs after it.
    std::uint64_t unitStarts_ = 0;
    std::uint64_t pairStarts_ = 0;
    // Positions (typed, entry) already known not to match in this entry, marked with
    // the entry's stamp, so that ambiguous spellings never cost more than one visit each.
    std::vector<std::uint32_t> failed_;
    std::uint32_t stamp_ = 0;
};

}  // namespace veskor
