#pragma once
#include <cstddef>
#include <cstdint>

namespace veskor {

// The readings of kanji, generated from a dictionary by scripts/gen-kanji-readings.py
// (KanjiReadingTable.cpp): constant data, read only through search/KanjiReadings.h.
// KanjiCodes holds each kanji's CP932 code, ascending. KanjiReadingText holds their
// readings in that order: kanji separated by '|', readings by ' ', each kana one
// character, '(' plus its offset from ァ.
extern const std::size_t KanjiCount;
extern const std::uint16_t KanjiCodes[];
extern const char KanjiReadingText[];

}  // namespace veskor
