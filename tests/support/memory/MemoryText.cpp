#include "text/Cp932.h"
#include "support/memory/MemoryPlatform.h"

namespace veskor {

namespace {

// The lower-case form of one double-byte character, by its two bytes as one number.
unsigned LowerDoubleByte(unsigned code)
{
    if (code >= 0x8260 && code <= 0x8279)  // full-width Latin
        return code + 0x21;
    if (code >= 0x839F && code <= 0x83B6)  // Greek
        return code + 0x20;
    if (code >= 0x8440 && code <= 0x8460)  // Cyrillic: 0x847F is no character, the small letters skip it
        return 0x8470 + (code - 0x8440) + (code >= 0x844F ? 1 : 0);
    return code;
}

}  // namespace

void LowerCaseCp932(std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (CharLength(text, i) == 2) {
            const unsigned lower = LowerDoubleByte(c << 8 | static_cast<unsigned char>(text[i + 1]));
            text[i] = static_cast<char>(lower >> 8);
            text[i + 1] = static_cast<char>(lower & 0xFF);
            i += 2;
        } else {
            if (c >= 'A' && c <= 'Z')
                text[i] = static_cast<char>(c - 'A' + 'a');
            ++i;
        }
    }
}

int CompareTextCp932(const std::string& a, const std::string& b)
{
    std::string lowerA = a;
    std::string lowerB = b;
    LowerCaseCp932(lowerA);
    LowerCaseCp932(lowerB);
    return lowerA.compare(lowerB);
}

int MemoryPlatform::CompareText(const std::string& a, const std::string& b) const
{
    return CompareTextCp932(a, b);
}

void MemoryPlatform::LowerCase(std::string& text) const
{
    LowerCaseCp932(text);
}

}  // namespace veskor
