#pragma once
#include <array>
#include <bit>
#include <bitset>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "search/Folding.h"

namespace veskor {

// The romaji that spell each kana, in every spelling of Hepburn and of the input methods,
// and what the sound changes of compounds make of each kana: the tables the reading
// search (search/Reading.h) reads typed letters with.

// Kana by slot: the full-width katakana in order, then the long-vowel mark.
constexpr size_t Slots = LastKana - FirstKana + 2;
using SlotSet = std::bitset<128>;

constexpr int Slot(char16_t unit)
{
    if (unit >= FirstKana && unit <= LastKana)
        return unit - FirstKana;
    return unit == LongVowelMark ? static_cast<int>(Slots - 1) : -1;
}

// What romaji is typed with, one bit each; 0 for anything else.
constexpr std::uint32_t LetterBit(char16_t c)
{
    if (c >= 'a' && c <= 'z')
        return 1u << (c - 'a');
    if (c == '-')
        return 1u << 26;
    if (c == '\'')
        return 1u << 27;
    return 0;
}

constexpr size_t Letters = 28;
constexpr int LetterIndex(char16_t c) { return std::countr_zero(LetterBit(c)); }

constexpr bool IsVowel(char16_t c) { return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o'; }

constexpr char16_t SmallTsu = 0x8362;   // ッ
constexpr char16_t SyllabicN = 0x8393;  // ン

// っ typed as the first consonant of the kana it doubles, which Hepburn writes "tch" before
// ち: the letters the next kana's romaji may begin with after `letter` so typed; none when
// the letter cannot double (a vowel, n, anything else).
constexpr std::uint32_t DoubledBy(char16_t letter)
{
    if (letter < 'a' || letter > 'z' || IsVowel(letter) || letter == 'n')
        return 0;
    return LetterBit(letter) | (letter == 't' ? LetterBit('c') : 0);
}

// ん typed as one letter, when `following` is typed after it: "n" before anything but a
// vowel or y, Hepburn's "m" before b, m and p. (At the end of a kanji's reading the matcher
// also takes "n" before a vowel or y, as names are written: shinyou.)
constexpr std::uint32_t Lips = LetterBit('b') | LetterBit('m') | LetterBit('p');
constexpr bool LoneN(char16_t letter, char16_t following)
{
    if (letter == 'n')
        return !IsVowel(following) && following != 'y';
    return letter == 'm' && (LetterBit(following) & Lips);
}

// A kana, or two read as one syllable, and one romaji spelling of it.
struct Spelling {
    FoldedText kana;  // one or two units
    std::string romaji;
};

// The rows by the slot of their first kana, which letters can begin each slot's romaji,
// and what sound changes make of each kana.
struct RomajiTable {
    std::array<std::vector<Spelling>, Slots> bySlot;
    // The same by the slot and then the first letter, as the matcher looks them up, each
    // in a few bytes of its own: the second kana (0 for one) and the romaji.
    struct Compact {
        char16_t second;
        std::uint8_t length;
        std::array<char, 5> romaji;
    };
    std::vector<Compact> compact;
    std::array<std::array<std::pair<std::uint16_t, std::uint16_t>, Letters>, Slots> byLetter{};
    std::array<std::uint32_t, Slots> firstLetters{};
    std::array<char, Slots> vowel{};          // the vowel a kana ends in, which ー lengthens
    std::array<char16_t, Slots> voiced{};     // the kana with its voiced mark (か: が)
    std::array<char16_t, Slots> semiVoiced{}; // the は row as the ぱ row
    std::array<bool, Slots> doubles{};        // つ ち く き, which become っ before a consonant

    RomajiTable();

    // The kana a reading's first kana may sound as inside a compound, itself first.
    std::array<char16_t, 3> Sounded(char16_t kana) const
    {
        const int slot = Slot(kana);
        if (slot < 0)
            return {kana, 0, 0};
        return {kana, voiced[slot], semiVoiced[slot]};
    }

private:
    void Add(FoldedText kana, std::string romaji);
};

const RomajiTable& Romaji();

}  // namespace veskor
