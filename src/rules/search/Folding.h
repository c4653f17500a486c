#pragma once
#include <string>
#include <string_view>

namespace veskor {

// A CP932 text with the differences a person does not mean removed, one unit per
// character, so that names match however they were typed: ASCII letters lower-cased;
// full-width ASCII and the ideographic space as ASCII; half-width katakana (a following
// voiced or semi-voiced mark joined to its kana) and hiragana as full-width katakana.
// Every other double-byte character is its two bytes as one number; other single bytes
// stay as they are.
using FoldedText = std::u16string;

void AppendFolded(std::string_view text, FoldedText& out);
FoldedText Folded(std::string_view text);

// Units of full-width katakana, the form every kana folds to, and of the long-vowel mark.
constexpr char16_t FirstKana = 0x8340;  // ァ
constexpr char16_t LastKana = 0x8396;   // ヶ
constexpr char16_t LongVowelMark = 0x815B;

}  // namespace veskor
