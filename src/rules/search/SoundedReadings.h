#pragma once
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "search/Folding.h"
#include "search/Romaji.h"

namespace veskor {

// The readings of kanji and words as they sound inside compounds, arranged for the
// reading search.
struct SoundedReadings {
    // Every reading a kanji or word may begin a compound with, sound changes applied,
    // once each with the kanji and words that have it, by the slot of its first kana:
    // what tells the kanji a typed text can begin at.
    struct Start {
        FoldedText kana;
        std::vector<char16_t> units;  // the kanji, and the first units of the words
    };
    std::vector<Start> starts;
    std::array<std::vector<std::uint32_t>, Slots> bySlot;

    // Each kanji's readings with the first kana as each sound change makes it (0 where
    // none does) and the letters that begin each, so that a kanji is passed over on a look.
    struct Sounded {
        std::u16string_view kana;
        std::array<char16_t, 3> first;
        std::array<std::uint32_t, 3> letters;
        bool doubles;
    };
    std::vector<Sounded> sounded;
    std::vector<std::uint32_t> soundedEnd;  // by kanji: where its readings end in `sounded`
    std::vector<std::uint32_t> letters;     // by kanji: every letter its readings begin with

    // Made from search/KanjiReadings.h the first time a reading search asks.
    static const SoundedReadings& Get();

private:
    SoundedReadings();
};

}  // namespace veskor
