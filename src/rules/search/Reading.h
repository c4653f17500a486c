#pragma once
#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

#include "search/Folding.h"

namespace veskor {

// Reads a typed text against entries, both folded: a unit matches the same unit, and
// typed ASCII letters match kana as romaji, in every spelling Hepburn or an input
// method gives them (shi/si, tsu/tu, ja/jya/zya, nn/n'/n before a consonant and m before
// b, m, p for ん, a doubled consonant for っ, x or l for small kana, "-" or the vowel it
// lengthens for ー). Kanji read as any of their readings (search/KanjiReadings.h), with
// the sound changes of compounds, and common words as a whole. Spaces and ・ in an entry,
// and spaces typed, are passed over. When the typed text ends inside a syllable ("k",
// "ky", "ts"), it matches any kana whose romaji begins so.
class ReadingMatcher {
public:
    // Whether a long vowel may also be typed as Latin text prints it, left out: おう and
    // おお as "o", うう as "u", ー after any vowel as nothing (tokyo 東京, judo 柔道, shoto
    // ショート), and a long o as "ou" (shouto ショート, ousaka 大阪). The lengthening kana
    // must follow the vowel in the same reading, never in the next kanji's.
    enum class LongVowels { AsSpelled, MayBeShort };

    explicit ReadingMatcher(FoldedText typed, LongVowels longVowels = LongVowels::AsSpelled);

    // What a partial search needs to know of an entry to pass it over without looking
    // at its units: the places a match may begin, as keys. A unit above the single
    // bytes (kana, kanji) is its own key; a single-byte unit, which matches only itself,
    // is keyed with the kind of unit after it (a single byte, or any that may read as kana).
    static std::uint32_t StartKey(std::u16string_view entry, size_t at)
    {
        const char16_t unit = entry[at];
        if (unit > 0xFF)
            return unit;
        if (at + 1 == entry.size())
            return PairKey(unit, AtEnd);
        const char16_t next = entry[at + 1];
        return PairKey(unit, MayReadAsKana(next) ? BeforeKana : next);
    }
    // Whether the typed text can begin at a place with this key.
    bool MayStartWith(std::uint32_t key) const;

    // Whether the entry begins with the typed text (prefix) or holds it from any of its
    // characters on (partial). An empty typed text matches nothing.
    bool Matches(std::u16string_view entry, bool partial);

private:
    // Units that can stand for kana: kana, kanji and the other Japanese characters, and
    // the gaps passed over on the way to them.
    static constexpr bool MayReadAsKana(char16_t unit) { return unit > 0xFF || unit == ' '; }
    // The key of a single-byte unit before one that may read as kana, or at the entry's end.
    static constexpr std::uint32_t SingleByteKeys = 0x10000;
    static constexpr char16_t BeforeKana = 0;
    static constexpr char16_t AtEnd = 1;
    static constexpr std::uint32_t PairKey(char16_t unit, char16_t next)
    {
        return SingleByteKeys + (static_cast<std::uint32_t>(unit) << 8 | next);
    }

    // Where the reading of an entry stands: on one of its units, or inside the kana of
    // a reading given to the units before `resume` (a kanji's, a word's), as sounded.
    struct Place {
        std::uint32_t entryAt = 0;
        std::uint32_t resume = 0;
        std::u16string_view run;
        std::uint32_t at = 0;
        char16_t first = 0;  // the run's first kana when a sound change alters it
        char16_t last = 0;   // and its last
    };
    static Place OnUnit(size_t entryAt) { return Place{static_cast<std::uint32_t>(entryAt), 0, {}, 0, 0, 0}; }

    void CanStartAt(char16_t unit);
    void CanStartWithKanji(const std::bitset<128>& kana);
    bool From(size_t typedAt, const Place& place);
    bool FromUnit(size_t typedAt, size_t entryAt);
    // The sound changes a kanji's neighbours allow its readings (search/Reading.cpp).
    struct SoundChanges {
        bool voices = false;
        bool halfVoices = false;
        bool doubles = false;
        bool operator==(const SoundChanges&) const = default;
    };
    bool FromKanji(size_t typedAt, size_t entryAt, char16_t kanji);
    bool ReadKanji(size_t typedAt, std::uint32_t at, char16_t kanji, SoundChanges changes);
    bool NextBegins(const Place& place, std::uint32_t letters);
    bool FromKana(size_t typedAt, const Place& place);
    char16_t Unit(const Place& place) const;
    Place Next(const Place& place) const;
    std::uint32_t FirstLetters(const Place& place) const;
    char16_t VowelBefore(size_t entryAt) const;
    char16_t Lengthens(const Place& place) const;

    FoldedText typed_;
    LongVowels longVowels_;
    std::u16string_view entry_;
    std::bitset<0x10000> startsMatch_;  // entry units the first typed unit can match
    // Positions (typed, entry) already known not to match in this entry, marked with
    // the entry's stamp, so that ambiguous spellings never cost more than one visit each.
    std::vector<std::uint32_t> failed_;
    std::uint32_t stamp_ = 0;
    // What an outcome depends on: the typed position, the kanji and the sound changes
    // its neighbours allow. Two entries that agree on all three read the kanji alike.
    struct OutcomeKey {
        std::uint32_t typedAt = 0;
        char16_t kanji = 0;
        SoundChanges changes;
        bool operator==(const OutcomeKey&) const = default;
        std::uint32_t Hash() const;
    };
    // What a kanji's readings make of the typed text from one position, in a given
    // neighbourhood: read to its end (or to the end of a syllable it leaves open), or
    // continued in the entry after the kanji from the positions in `ends`, or when that
    // entry's reading begins with one of the letters `wants`.
    struct Outcome {
        bool known = false;  // worked out for `key`
        OutcomeKey key;
        bool reads = false;
        std::uint32_t wants = 0;
        std::uint64_t ends = 0;
    };
    static constexpr unsigned OutcomeBits = 12;
    static constexpr size_t OutcomeSlots = size_t{1} << OutcomeBits;
    std::vector<Outcome> outcomes_;  // by a hash of the key; a later key takes the slot
    Outcome* collecting_ = nullptr;  // the outcome being worked out
    // While the readings a match can begin with are sought: a reading matches when the
    // typed text goes on past its end.
    bool openEnd_ = false;
};

}  // namespace veskor
