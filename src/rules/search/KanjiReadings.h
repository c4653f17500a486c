#pragma once
#include <bitset>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "search/Folding.h"

namespace veskor {

// The kana readings of kanji and of words read as a whole, in folded units (katakana),
// decoded from the constant tables the first time a reading search asks: a search that
// never falls back to readings never pays for them.
class KanjiReadings {
public:
    static const KanjiReadings& Get();

    // A word whose reading is not its kanji's readings put together (今日, 眼鏡).
    struct Word {
        FoldedText text;
        FoldedText reading;
    };

    // The readings of a folded kanji unit; none for anything else.
    std::span<const std::u16string_view> Of(char16_t unit) const { return OfKanji(IndexOf(unit)); }
    // The same by the kanji's place in Kanji(), which IndexOf gives plus one (0: no kanji).
    size_t IndexOf(char16_t unit) const;
    std::span<const std::u16string_view> OfKanji(size_t indexPlusOne) const;
    // The words that begin with `unit`.
    std::span<const Word> WordsFrom(char16_t unit) const;
    bool BeginsWord(char16_t unit) const { return wordStarts_[unit]; }

    // Every kanji with a reading, and every unit a word begins with.
    const std::vector<char16_t>& Kanji() const { return kanji_; }
    std::vector<char16_t> WordStarts() const;

private:
    KanjiReadings();

    FoldedText units_;                         // every reading, back to back
    std::vector<std::u16string_view> runs_;    // each reading, by kanji
    std::vector<std::uint32_t> runsEnd_;       // kanji i's readings end at runs_[runsEnd_[i]]
    std::vector<std::uint16_t> kanjiAt_;       // by unit - FirstKanji: index + 1, or 0
    std::vector<char16_t> kanji_;
    std::vector<Word> words_;                  // by their first unit
    std::bitset<0x10000> wordStarts_;
};

// The kanji iteration mark: it repeats the kanji before it (人々, 佐々木).
constexpr char16_t IterationMark = 0x8158;

}  // namespace veskor
