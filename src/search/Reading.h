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

    // A unit as one of 64 bits. An entry whose units' bits (the OR of them) share none
    // with StartBits() holds no place where the typed text can begin, so a partial
    // search passes it over without looking at its units.
    static std::uint64_t UnitBit(char16_t unit) { return 1ull << ((unit * 0x9E3779B1u) >> 26); }
    std::uint64_t StartBits() const { return startBits_; }

    // Whether the entry begins with the typed text (prefix) or holds it from any of its
    // characters on (partial). An empty typed text matches nothing.
    bool Matches(std::u16string_view entry, bool partial);

private:
    void CanStartAt(char16_t unit);
    bool From(size_t typedAt, size_t entryAt);

    FoldedText typed_;
    std::u16string_view entry_;
    std::bitset<0x10000> startsMatch_;  // entry units the first typed unit can match
    std::uint64_t startBits_ = 0;        // their UnitBit()s
    // Positions (typed, entry) already known not to match in this entry, marked with
    // the entry's stamp, so that ambiguous spellings never cost more than one visit each.
    std::vector<std::uint32_t> failed_;
    std::uint32_t stamp_ = 0;
};

}  // namespace veskor
