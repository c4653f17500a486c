#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "WinTest.h"
#include "text/Cp932.h"
#include "search/Folding.h"

namespace veskor::wintest {
namespace {

// The core folds kana type and width with its own tables; the system's LCMapStringEx
// is the reference they must agree with.
class KanaFoldingTest : public WinTest {};

// Every character of code page 932, and each half-width kana with a half-width voiced and
// semi-voiced mark after it (the system joins a pair into one full-width kana).
std::vector<std::string> Cp932Texts()
{
    std::vector<std::string> texts;
    for (int c = 0x20; c <= 0xDF; ++c)
        if (c < 0x7F || c >= 0xA1)
            texts.push_back(std::string(1, static_cast<char>(c)));
    for (int c = 0xA6; c <= 0xDD; ++c)
        for (const char* mark : {"\xDE", "\xDF"})
            texts.push_back(static_cast<char>(c) + std::string(mark));
    wchar_t wide[2];
    for (int lead = 0x81; lead <= 0xFC; ++lead)
        for (int trail = 0x40; IsLeadByte(static_cast<unsigned char>(lead)) && trail <= 0xFC; ++trail)
            if (const char bytes[] = {static_cast<char>(lead), static_cast<char>(trail)};
                MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, 2, wide, 2) == 1)
                texts.emplace_back(bytes, 2);
    return texts;
}

// The text mapped in Japanese when the mapping changes it (compared in UTF-16: CP932 has
// several codes for some characters) into a text CP932 can hold; else empty.
std::string Mapped(const std::string& text, DWORD flag)
{
    wchar_t wide[8], mapped[8];
    char bytes[16];
    BOOL lossy = FALSE;
    const int length = MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), wide, 8);
    const int mappedLength = LCMapStringEx(L"ja-JP", flag, wide, length, mapped, 8, nullptr, nullptr, 0);
    if (mappedLength <= 0 || (mappedLength == length && std::equal(wide, wide + length, mapped)))
        return {};
    const int size = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, mapped, mappedLength, bytes, 16, nullptr, &lossy);
    return size > 0 && !lossy ? std::string(bytes, static_cast<size_t>(size)) : std::string();
}

TEST_F(KanaFoldingTest, TheSystemsKanaTypeAndWidthMappingsKeepTheFoldedForm)
{
    const std::vector<std::string> texts = Cp932Texts();
    std::set<std::string> mappedBySome;
    const std::pair<DWORD, const char*> flags[] = {{LCMAP_HIRAGANA, "LCMAP_HIRAGANA"},
                                                   {LCMAP_KATAKANA, "LCMAP_KATAKANA"},
                                                   {LCMAP_HALFWIDTH, "LCMAP_HALFWIDTH"},
                                                   {LCMAP_FULLWIDTH, "LCMAP_FULLWIDTH"}};
    for (const auto& [flag, name] : flags) {
        int checked = 0;
        for (const std::string& text : texts) {
            const std::string mapped = Mapped(text, flag);
            if (mapped.empty())
                continue;
            ++checked;
            mappedBySome.insert(text);
            EXPECT_EQ(Folded(mapped), Folded(text)) << name << ": " << text << " -> " << mapped;
        }
        std::printf("%s: %d characters mapped to another and checked%s\n", name, checked,
                    checked ? "" : "; this system maps none");
    }
    // What the core folds away (letter case aside) that no mapping here confirms: a gap
    // of this system's LCMapStringEx (Wine widens a half-width voiced mark to the
    // combining one, which CP932 lacks), or a fold to look at.
    std::string unconfirmed;
    for (const std::string& text : texts) {
        FoldedText own;  // each character as it is, ASCII lower-cased
        for (size_t i = 0; i < text.size(); i += CharLength(text, i)) {
            const auto c = static_cast<unsigned char>(text[i]);
            own += CharLength(text, i) == 2 ? static_cast<char16_t>(c << 8 | (text[i + 1] & 0xFF))
                   : c < 0x80               ? Folded(text.substr(i, 1))[0]
                                            : c;
        }
        if (Folded(text) != own && !mappedBySome.count(text))
            unconfirmed += " " + text;
    }
    if (!unconfirmed.empty())
        std::printf("folded here, mapped by none of the four on this system:%s\n", unconfirmed.c_str());
}

}  // namespace
}  // namespace veskor::wintest
