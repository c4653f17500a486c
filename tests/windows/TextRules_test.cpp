#include "WinTest.h"

namespace veskor::wintest {
namespace {

class TextRulesTest : public WinTest {};

enum class Order { Less, Equal, Greater, Different };

TEST_F(TextRulesTest, CompareTextIgnoresLetterCaseOnly)
{
    const struct {
        const char* a;
        const char* b;
        Order order;
    } cases[] = {
        {"mail", "MAIL", Order::Equal},
        {"Ａ", "ａ", Order::Equal},            // full-width letters have case too
        {"表計算ソフト", "表計算ソフト", Order::Equal},
        {"Ａ", "A", Order::Different},          // full width and half width stay apart
        {"あ", "ア", Order::Different},         // so do hiragana and katakana
        {"ア", "ｱ", Order::Different},
        {"a", "b", Order::Less},
        {"B", "a", Order::Greater},
        {"", "", Order::Equal},
        {"", "a", Order::Less},
        {"mail", "mail;", Order::Less},          // whole texts, not prefixes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        const int result = platform.CompareText(c.a, c.b);
        switch (c.order) {
        case Order::Less: EXPECT_LT(result, 0); break;
        case Order::Equal: EXPECT_EQ(result, 0); break;
        case Order::Greater: EXPECT_GT(result, 0); break;
        case Order::Different: EXPECT_NE(result, 0); break;
        }
    }
}

TEST_F(TextRulesTest, CompareTextUsesTheWholeLengthPastAZeroByte)
{
    EXPECT_NE(platform.CompareText(std::string("a\0b", 3), std::string("a\0c", 3)), 0);
}

TEST_F(TextRulesTest, LowerCaseKeepsDoubleByteCharactersWhole)
{
    const struct {
        std::string text;
        std::string lower;
    } cases[] = {
        // "ア" ends in 0x41 ("A") and "ソ", "表" in 0x5C: their second bytes must not change.
        {"ＡＢＣアソ表", "ａｂｃアソ表"},
        {"MAIL\\Ａ.LNK", "mail\\ａ.lnk"},
        {"ｱｲｳ", "ｱｲｳ"},
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        platform.LowerCase(text);
        EXPECT_EQ(text, c.lower) << c.text;
    }
}

}  // namespace
}  // namespace veskor::wintest
