#include "search/Folding.h"

#include <array>
#include <vector>

#include "text/Cp932.h"

namespace veskor {

namespace {

// The characters of a CP932 text, each as one number. The tables below are written as
// the characters themselves; the compiler turns them into CP932.
std::vector<char16_t> Codes(std::string_view text)
{
    std::vector<char16_t> codes;
    for (size_t i = 0; i < text.size(); i += CharLength(text, i))
        codes.push_back(CharCode(text, i));
    return codes;
}

constexpr char16_t Lower(char16_t c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

struct Tables {
    static constexpr char16_t DoubleByteFrom = 0x8100;  // the lead bytes 0x81 to 0x83 hold
    static constexpr size_t DoubleByteCount = 0x300;    // everything that folds
    std::array<char16_t, DoubleByteCount> doubleByte{};
    std::array<char16_t, 0x40> halfWidth{};  // by byte - 0xA0, 0xA1 to 0xDF
    std::array<bool, LastKana - FirstKana + 1> takesVoicedMark{};
    std::array<bool, LastKana - FirstKana + 1> takesSemiVoicedMark{};

    Tables()
    {
        for (size_t i = 0; i < DoubleByteCount; ++i)
            doubleByte[i] = static_cast<char16_t>(DoubleByteFrom + i);
        const std::vector<char16_t> wide = Codes(
            "！＂＃＄％＆＇（）＊＋，－．／０１２３４５６７８９：；＜＝＞？＠ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ"
            "［＼］＾＿｀ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ｛｜｝～");
        for (size_t i = 0; i < wide.size(); ++i)
            Set(wide[i], Lower(static_cast<char16_t>('!' + i)));
        Set(0x8140, ' ');  // the ideographic space
        // Quotation marks have no full-width forms of their own: the system narrows the
        // typographic ones to the ASCII ones.
        const std::vector<char16_t> quotes = Codes("‘’“”");
        Set(quotes[0], '\'');
        Set(quotes[1], '\'');
        Set(quotes[2], '"');
        Set(quotes[3], '"');
        // Hiragana run parallel to katakana, which leave out 0x837F.
        for (char16_t hiragana = 0x829F; hiragana <= 0x82F1; ++hiragana) {
            const char16_t katakana = FirstKana + (hiragana - 0x829F);
            Set(hiragana, katakana >= 0x837F ? katakana + 1 : katakana);
        }
        const std::vector<char16_t> iterationMarks = Codes("ゝゞヽヾ");
        Set(iterationMarks[0], iterationMarks[2]);
        Set(iterationMarks[1], iterationMarks[3]);

        const std::vector<char16_t> narrow = Codes(
            "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜");
        for (size_t i = 0; i < narrow.size(); ++i)
            halfWidth[i + 1] = narrow[i];
        for (char16_t kana : Codes("カキクケコサシスセソタチツテトハヒフヘホ"))
            takesVoicedMark[kana - FirstKana] = true;
        for (char16_t kana : Codes("ハヒフヘホ"))
            takesSemiVoicedMark[kana - FirstKana] = true;
    }

    void Set(char16_t code, char16_t folded)
    {
        if (code >= DoubleByteFrom && code < DoubleByteFrom + DoubleByteCount)
            doubleByte[code - DoubleByteFrom] = folded;
    }

    char16_t DoubleByte(char16_t code) const
    {
        if (code >= DoubleByteFrom && code < DoubleByteFrom + DoubleByteCount)
            return doubleByte[code - DoubleByteFrom];
        // Full-width quotation mark and apostrophe live among the extensions, twice.
        if (code == 0xFA57 || code == 0xEEFC)
            return '"';
        if (code == 0xFA56 || code == 0xEEFB)
            return '\'';
        return code;
    }

    // A kana with the half-width mark that follows it, as one full-width kana; 0 when
    // the kana takes no such mark. The system writes ダ, ヴ and ヾ half-width as two.
    char16_t Marked(char16_t kana, unsigned char mark) const
    {
        if (mark == 0xDE && (kana == 0x8345 || kana == 0x8152))  // ウ゛ is ヴ, ヽ゛ is ヾ
            return kana == 0x8345 ? 0x8394 : 0x8153;
        if (kana < FirstKana || kana > LastKana)
            return 0;
        const size_t at = kana - FirstKana;
        if (mark == 0xDE && takesVoicedMark[at])
            return static_cast<char16_t>(kana + 1);
        if (mark == 0xDF && takesSemiVoicedMark[at])
            return static_cast<char16_t>(kana + 2);
        return 0;
    }
};

const Tables& FoldingTables()
{
    static const Tables tables;
    return tables;
}

}  // namespace

void AppendFolded(std::string_view text, FoldedText& out)
{
    const Tables& tables = FoldingTables();
    const size_t from = out.size();
    for (size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        const char16_t c = CharCode(text, i);
        if (c > 0xFF) {
            out.push_back(tables.DoubleByte(c));
        } else if (c >= 0xA1 && c <= 0xDF) {
            const char16_t marked = out.size() > from ? tables.Marked(out.back(), static_cast<unsigned char>(c)) : 0;
            if (marked)
                out.back() = marked;
            else
                out.push_back(tables.halfWidth[c - 0xA0]);
        } else {
            out.push_back(Lower(c));
        }
    }
}

FoldedText Folded(std::string_view text)
{
    FoldedText folded;
    folded.reserve(text.size());
    AppendFolded(text, folded);
    return folded;
}

}  // namespace veskor
