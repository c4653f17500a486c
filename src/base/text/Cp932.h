#pragma once
#include <string>
#include <string_view>

namespace veskor {

// Lead bytes of CP932's double-byte characters. Their second byte may be 0x5C ("\"),
// so path rules walk the text character by character.
constexpr bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Byte length of the character starting at `pos` (1 or 2; 1 at a truncated end): every
// walk over CP932 text steps by it.
inline size_t CharLength(std::string_view text, size_t pos)
{
    return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// The character starting at `pos` as one number: a double-byte character's two bytes, or
// the single byte (also a lead byte at a truncated end).
inline char16_t CharCode(std::string_view text, size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    return CharLength(text, pos) == 2 ? static_cast<char16_t>(lead << 8 | static_cast<unsigned char>(text[pos + 1]))
                                      : lead;
}

// Moves a byte position forward to the nearest character boundary.
size_t SnapToCharBoundary(const std::string& text, size_t pos);

// Characters in the first `bytes` bytes of the text; each is one UTF-16 unit.
long long CharCount(const std::string& text, size_t bytes);

// The bytes an edit field selects for (start, length): a negative length selects
// backwards, both ends are kept inside the text and moved to character boundaries.
struct ByteRange {
    size_t from = 0;
    size_t to = 0;
};
ByteRange SelectionBytes(const std::string& text, int start, int length);

// Hepburn prints a long vowel with a macron or a circumflex (Tōkyō, Kyôto, jūdō), which
// code page 932 cannot hold: the UTF-16 text with each such vowel spelled as romaji types
// it, ō and ô as "ou", ū and û as "uu", ā, ē, ī and â, ê, î doubled (a capital keeps only
// its first letter capital). Every other unit stays.
std::u16string LongVowelsSpelled(std::u16string_view text);

}  // namespace veskor
